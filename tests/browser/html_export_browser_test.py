#!/usr/bin/python3
"""The HTML export in a real browser (headless Chromium through Selenium).

The plain table: the exported fragment, pasted into a page, shows the
puzzle's givens in a 9 x 9 table whose boxes alternate the two background
colours, with the author block below.

The game page: the export of the shipped template is a page without parse
errors and without script errors, in which a visitor
  - cannot change a given;
  - types a digit that repeats in the row (both cells are marked), removes
    it with Backspace and with Delete;
  - fills the board by clicking cells and the digit buttons, by typing
    digits, and by moving with the arrow keys;
  - gets the completion message, then empties the board with the clear
    button.
The page is played twice: with the digit pictures beside it (the cells show
pictures) and with none (the cells show text digits). A puzzle whose
character list writes 1 as "A" and 9 as "<i>&" shows those texts on the
page (in the cells and on the buttons, escaped, never as markup), keeps the
pictures for the digits shown as themselves, and takes the key "A" for 1.

    html_export_browser_test.py --exporter gridora_export_page \
        --template data/js-gdr.dat --images data/gdr_cg --puzzle p.gdr \
        [--screenshots docs/screenshots]
"""
import argparse
import os
import shutil
import subprocess
import sys
import tempfile

import html5lib
from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

DONE_TEXT = "完成です。おめでとうございます！"


class Failure(Exception):
    pass


def check(condition, what):
    if not condition:
        raise Failure(what)
    print("ok:", what)


def read_gdr_givens(path):
    """The 81 givens (row by row, 0 empty) from the [Data] section."""
    lines = open(path, "rb").read().decode("cp932").splitlines()
    rows = lines[lines.index(next(l for l in lines if l.startswith("[Data]"))) + 1:][:9]
    return [int(ch) for row in rows for ch in row.strip()[:9]]


def solve(grid):
    """Plain backtracking; the puzzles of these tests are small work."""
    grid = list(grid)

    def allowed(i):
        r, c = divmod(i, 9)
        used = {grid[r * 9 + k] for k in range(9)} | {grid[k * 9 + c] for k in range(9)}
        br, bc = r - r % 3, c - c % 3
        used |= {grid[(br + a) * 9 + bc + b] for a in range(3) for b in range(3)}
        return [d for d in range(1, 10) if d not in used]

    def search():
        empty = [i for i in range(81) if grid[i] == 0]
        if not empty:
            return True
        i = min(empty, key=lambda k: len(allowed(k)))
        for d in allowed(i):
            grid[i] = d
            if search():
                return True
        grid[i] = 0
        return False

    if not search():
        raise Failure("the test puzzle has no solution")
    return grid


def browser():
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ("--headless=new", "--no-sandbox", "--disable-dev-shm-usage",
                 "--window-size=760,980", "--lang=ja", "--force-device-scale-factor=1"):
        options.add_argument(flag)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def export(args, form, out, template=None):
    command = [args.exporter, form, args.puzzle] + ([template] if template else []) + [out]
    subprocess.run(command, check=True)
    return open(out, "rb").read().decode("utf-8")


def check_table(driver, args, work, givens):
    fragment = export(args, "table", os.path.join(work, "table.txt"))
    check(fragment.count("\r\n") == len(fragment.splitlines()), "every table line ends with CR LF")
    page = os.path.join(work, "table.html")
    with open(page, "w", encoding="utf-8") as out:
        out.write("<!DOCTYPE html><html lang=ja><head><meta charset=utf-8>"
                  "<title>table</title></head><body>\n" + fragment + "</body></html>\n")
    driver.get("file://" + page)
    cells = driver.find_elements(By.CSS_SELECTOR, "table td")
    check(len(cells) == 81, "the table has 81 cells")
    texts = [td.text.strip() for td in cells]
    check(texts == [str(d) if d else "" for d in givens], "the table shows the givens in place")
    # A cell without a colour of its own shows its row's.
    colours = driver.execute_script(
        "return Array.from(document.querySelectorAll('table td'), td => {"
        "  const own = getComputedStyle(td).backgroundColor;"
        "  return own === 'rgba(0, 0, 0, 0)' ? getComputedStyle(td.parentNode).backgroundColor : own;"
        "});")
    light, cyan = "rgb(255, 255, 192)", "rgb(224, 255, 255)"
    expected = [light if (r // 3 + c // 3) % 2 == 0 else cyan for r in range(9) for c in range(9)]
    check(colours == expected, "the boxes alternate the two background colours")
    body = driver.find_element(By.TAG_NAME, "body").text
    check("作者" in body and "制作日" in body and "コメント" in body, "author, date and comment follow")
    if args.screenshots:
        driver.set_window_size(400, 420)
        driver.save_screenshot(os.path.join(args.screenshots, "html-table-chromium.png"))
        driver.set_window_size(760, 980)


def cell(driver, i):
    return driver.find_element(By.ID, "cell%d" % i)


def digit_of(driver, i):
    return cell(driver, i).get_attribute("data-digit")


def classes(driver, i):
    return (cell(driver, i).get_attribute("class") or "").split()


def message(driver):
    return driver.find_element(By.ID, "message").text


def keys(driver, *sequence):
    ActionChains(driver).send_keys(*sequence).perform()


def play(driver, page, givens, solution, with_images, shots):
    driver.get("file://" + page)
    errors = [e for e in driver.get_log("browser") if e["level"] == "SEVERE"
              and "gdr_cg" not in e["message"]]
    check(not errors, "the page loads without script errors %s" % errors)
    label = "with pictures" if with_images else "without pictures"
    driver.implicitly_wait(0)
    given_cells = [i for i in range(81) if givens[i]]
    empty = [i for i in range(81) if not givens[i]]
    check([digit_of(driver, i) for i in range(81)] == [str(d) if d else "" for d in givens],
          "the page shows the givens of the puzzle (%s)" % label)
    if with_images:
        driver.execute_async_script(
            "const done = arguments[0]; const t0 = Date.now();"
            "(function wait() { if (document.querySelector('#board img') || Date.now() - t0 > 5000)"
            " done(); else setTimeout(wait, 50); })();")
        images = driver.find_elements(By.CSS_SELECTOR, "#board img")
        check(len(images) == len(given_cells), "every given is drawn as a picture")
        check(all(driver.execute_script("return arguments[0].naturalWidth", im) == 32
                  for im in images), "the pictures loaded")
    else:
        check(not driver.find_elements(By.CSS_SELECTOR, "#board img"),
              "no pictures when the folder is missing")
        check(cell(driver, given_cells[0]).text == str(givens[given_cells[0]]),
              "the givens are text digits")

    # A given cannot be changed.
    g = given_cells[0]
    cell(driver, g).click()
    keys(driver, str(givens[g] % 9 + 1), Keys.DELETE)
    check(digit_of(driver, g) == str(givens[g]), "a given keeps its digit")

    # A digit that repeats in the row is marked, in both cells.
    target = empty[0]
    row = target // 9
    clash_with = next(i for i in range(row * 9, row * 9 + 9) if givens[i])
    cell(driver, target).click()
    check("cursor" in classes(driver, target), "a click selects the cell")
    keys(driver, str(givens[clash_with]))
    check(digit_of(driver, target) == str(givens[clash_with]), "a typed digit shows")
    check("clash" in classes(driver, target) and "clash" in classes(driver, clash_with),
          "the repeated digit is marked in both cells")
    if shots and with_images:
        driver.save_screenshot(os.path.join(shots, "html-game-clash.png"))
    keys(driver, Keys.BACKSPACE)
    check(digit_of(driver, target) == "" and "clash" not in classes(driver, clash_with),
          "Backspace removes the digit and the mark")
    keys(driver, str(givens[clash_with]), Keys.DELETE)
    check(digit_of(driver, target) == "", "Delete removes the digit")

    # Fill the board three ways: click and digit button, click and key,
    # arrow keys and key.
    cursor = target
    for k, i in enumerate(empty):
        d = str(solution[i])
        if k % 3 == 0:
            cell(driver, i).click()
            driver.find_element(By.CSS_SELECTOR, "#pad button[data-digit='%s']" % d).click()
        elif k % 3 == 1:
            cell(driver, i).click()
            keys(driver, d)
        else:
            (r0, c0), (r1, c1) = divmod(cursor, 9), divmod(i, 9)
            moves = [Keys.ARROW_DOWN] * ((r1 - r0) % 9) + [Keys.ARROW_LEFT] * ((c0 - c1) % 9)
            keys(driver, *moves)
            if k < 3:
                check("cursor" in classes(driver, i), "the arrow keys reach cell %d" % i)
            keys(driver, d)
        cursor = i
        if i != empty[-1] and message(driver):
            raise Failure("the completion message came too early, at cell %d" % i)
    check([digit_of(driver, i) for i in range(81)] == [str(d) for d in solution],
          "the board holds the solution")
    check(not driver.find_elements(By.CSS_SELECTOR, "#board td.clash"), "no cell is marked")
    check(message(driver) == DONE_TEXT, "the completion message shows (%s)" % label)
    if shots and with_images:
        driver.save_screenshot(os.path.join(shots, "html-game-complete.png"))

    driver.find_element(By.ID, "clear").click()
    check([digit_of(driver, i) for i in range(81)] == [str(d) if d else "" for d in givens],
          "the clear button removes the visitor's digits only")
    check(message(driver) == "", "the completion message goes with them")


CHARACTERS = ["A", "2", "3", "4", "5", "6", "7", "8", "<i>&"]


def check_characters(driver, args, work, givens):
    puzzle = os.path.join(work, "letters.gdr")
    data = open(args.puzzle, "rb").read()
    check(data.count(b"1,2,3,4,5,6,7,8,9") == 1, "the test puzzle has the plain character list")
    with open(puzzle, "wb") as out:
        out.write(data.replace(b"1,2,3,4,5,6,7,8,9", ",".join(CHARACTERS).encode("cp932")))
    folder = os.path.join(work, "letters")
    os.makedirs(folder)
    shutil.copytree(args.images, os.path.join(folder, "gdr_cg"))
    page = os.path.join(folder, "game.html")
    subprocess.run([args.exporter, "game", puzzle, args.template, page], check=True)
    driver.get("file://" + page)
    driver.execute_async_script(
        "const done = arguments[0]; const t0 = Date.now();"
        "(function wait() { if (document.querySelector('#board img') || Date.now() - t0 > 5000)"
        " done(); else setTimeout(wait, 50); })();")
    shown = [(bool(cell(driver, i).find_elements(By.TAG_NAME, "img")), cell(driver, i).text)
             for i in range(81)]
    expected = [(False, "") if not d else (True, "") if CHARACTERS[d - 1] == str(d)
                else (False, CHARACTERS[d - 1]) for d in givens]
    check(shown == expected, "the givens show the puzzle's characters, pictures only for digits")
    check(not driver.find_elements(By.CSS_SELECTOR, "#board i, #pad i"),
          "a character is text, never markup")
    pad = [b.text for b in driver.find_elements(By.CSS_SELECTOR, "#pad button")][:9]
    check(pad == CHARACTERS, "the digit buttons show the characters")
    target = givens.index(0)
    cell(driver, target).click()
    keys(driver, "A")
    check(digit_of(driver, target) == "1" and cell(driver, target).text == "A",
          "the key A puts the digit 1, shown as A")
    if args.screenshots:
        driver.save_screenshot(os.path.join(args.screenshots, "html-game-characters.png"))


def main():
    parser = argparse.ArgumentParser()
    for name in ("--exporter", "--template", "--images", "--puzzle"):
        parser.add_argument(name, required=True)
    parser.add_argument("--screenshots")
    args = parser.parse_args()
    givens = read_gdr_givens(args.puzzle)
    solution = solve(givens)
    work = tempfile.mkdtemp(prefix="gridora-browser-")
    driver = None
    try:
        driver = browser()
        check_table(driver, args, work, givens)

        text = export(args, "game", os.path.join(work, "game.html"), args.template)
        try:
            html5lib.HTMLParser(strict=True).parse(text)
        except html5lib.html5parser.ParseError as error:
            raise Failure("the game page does not parse as HTML5: %s" % error)
        print("ok: the game page parses as HTML5 without errors")
        for placeholder in ("[gifpath]", "[gdrdata]", "[comment]", "[gdrchar]"):
            check(placeholder not in text, "%s is filled" % placeholder)

        with_images = os.path.join(work, "with")
        os.makedirs(with_images)
        shutil.copy(os.path.join(work, "game.html"), with_images)
        shutil.copytree(args.images, os.path.join(with_images, "gdr_cg"))
        play(driver, os.path.join(with_images, "game.html"), givens, solution, True,
             args.screenshots)
        play(driver, os.path.join(work, "game.html"), givens, solution, False, None)
        check_characters(driver, args, work, givens)
    except Failure as failure:
        print("FAILED:", failure)
        return 1
    finally:
        if driver:
            driver.quit()
        shutil.rmtree(work, ignore_errors=True)
    print("all checks passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
