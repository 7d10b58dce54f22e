// SPDX-License-Identifier: MIT
#include "book_cli.h"

#include <dlfcn.h>
#include <unistd.h>

#include <chrono>
#include <climits>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <random>

#include "book/puzzle_book.h"
#include "print/pdf_module.h"

namespace gridora {

namespace {

// The folder of the running executable.
std::string ExecutableFolder() {
  char path[PATH_MAX];
  const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0) return ".";
  const std::string exe(path, static_cast<std::size_t>(n));
  const std::size_t slash = exe.rfind('/');
  return slash == std::string::npos ? "." : exe.substr(0, slash);
}

// Opens the PDF module: beside the program in the build tree, in the
// library folder once installed. The module stays loaded until exit.
GridoraWritePdf LoadPdfWriter() {
  const std::string folder = ExecutableFolder();
  std::string errors;
  for (const std::string& path :
       {folder + "/gridora-pdf.so", folder + "/" GRIDORA_MODULE_FROM_BIN "/gridora-pdf.so"}) {
    if (void* module = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) {
      if (void* entry = ::dlsym(module, kGridoraWritePdfSymbol))
        return reinterpret_cast<GridoraWritePdf>(entry);
    }
    errors += std::string("\n  ") + ::dlerror();
  }
  std::cerr << "gridora-solve: cannot load the PDF writer:" << errors << "\n";
  return nullptr;
}

double CpuSeconds() {
  return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

}  // namespace

int ParseBookOption(int argc, char** argv, int& i, BookCliOptions& options) {
  const std::string arg = argv[i];
  if (arg != "--book" && arg != "--per-page" && arg != "--title" && arg != "--page") return 0;
  if (i + 1 >= argc) {
    std::cerr << "gridora-solve: " << arg << " needs a value\n";
    return -1;
  }
  const std::string value = argv[++i];
  if (arg == "--book") {
    options.output = value;
  } else if (arg == "--title") {
    options.title = value;
  } else if (arg == "--page") {
    if (!book::PaperFromName(value)) {
      std::cerr << "gridora-solve: --page is A4 or Letter\n";
      return -1;
    }
    options.paper = value;
  } else {
    if (value.size() != 1 || value[0] < '1' || value[0] > '6') {
      std::cerr << "gridora-solve: --per-page is 1, 2, 4 or 6\n";
      return -1;
    }
    options.perPage = value[0] - '0';
  }
  return 1;
}

int RunBook(const BookCliOptions& cli, const EngineCliOptions& engine, bool stats) {
  book::BookOptions options;
  options.boardSize = engine.size;
  options.grade = engine.grade;
  options.count = engine.count;
  options.perPage = cli.perPage.value_or(engine.size == 16 ? 2 : 4);
  options.symmetric = engine.symmetric;
  options.title = cli.title;
  options.paper = *book::PaperFromName(cli.paper);
  if (engine.count == 0) {
    std::cerr << "gridora-solve: --book needs --count N, the number of puzzles\n";
    return 2;
  }
  if (const std::string error = book::BookOptionsError(options); !error.empty()) {
    std::cerr << "gridora-solve: " << error << "\n";
    return 2;
  }
  if (engine.seed) {
    options.seed = *engine.seed;
  } else {
    std::random_device device;
    options.seed = (static_cast<std::uint64_t>(device()) << 32) ^ device();
    std::cerr << "gridora-solve: --seed " << options.seed << "\n";
  }
  const GridoraWritePdf write = LoadPdfWriter();
  if (!write) return 1;

  const auto start = std::chrono::steady_clock::now();
  const double cpuStart = CpuSeconds();
  const auto puzzles = book::MakeBookPuzzles(options, JobCount(engine), [](int) { return true; });
  const auto made = std::chrono::steady_clock::now();
  const book::Document document = book::BookDocument(options, *puzzles);
  if (write(&document, cli.output.c_str()) != 0) {
    std::cerr << "gridora-solve: cannot write " << cli.output << "\n";
    return 1;
  }
  if (stats) {
    const auto seconds = [](auto from, auto to) {
      return std::chrono::duration<double>(to - from).count();
    };
    std::fprintf(stderr, "puzzles %d  pages %zu  generate s %.3f  pdf s %.3f  cpu s %.3f\n",
                 options.count, document.pages.size(), seconds(start, made),
                 seconds(made, std::chrono::steady_clock::now()), CpuSeconds() - cpuStart);
  }
  return 0;
}

}  // namespace gridora
