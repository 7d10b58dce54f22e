// SPDX-License-Identifier: MIT
#pragma once
// ConfigDialog (frmConfig): the settings dialog. Six pages behind a tab
// strip, each control explained in the dialog's own status bar while the
// pointer moves over it. Opens with the current settings (ControlsOf),
// keeps Ok disabled until the first edit, and on Ok stores every control at
// once (ApplyControls); Cancel and the close box discard everything. F1
// anywhere in the dialog opens the help.
//
//   ConfigDialog dialog(state.settings, state.LastStatusText, association, &mainWindow);
//   dialog.SetHelpAction([&] { ShowHelp(app); });
//   dialog.exec();

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QTabBar>
#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "settings/config_controls.h"

namespace gridora::ui {

// Qt's colour dialog starting on `initial`, run by `run` (which returns the
// dialog's result code): the chosen colour, `initial` when cancelled.
std::optional<QColor> ChooseColorWith(const QColor& initial, QWidget* parent,
                                      const std::function<int(QDialog&)>& run);

class ConfigDialog : public QDialog {
 public:
  static constexpr int kPages = 6;
  static constexpr int kColors = 6;

  // Returns the chosen colour, the initial one when the user cancelled, or
  // nothing when the chooser failed (then nothing changes).
  using ColorChooser = std::function<std::optional<QColor>(const QColor& initial, QWidget* parent)>;

  // `lastStatusText` is the status text shared with the main window.
  // Placed beside `owner` (the main window), with its icon.
  ConfigDialog(Settings& settings, std::string& lastStatusText, AssociationService& association,
               QWidget* owner);

  void SetHelpAction(std::function<void()> action) { help_ = std::move(action); }
  // Qt's colour dialog unless replaced.
  void SetColorChooser(ColorChooser chooser) { chooser_ = std::move(chooser); }

  // The values the controls hold now.
  ConfigControls Controls() const;
  // Puts `text` into the status bar unless it is the last status text
  // written anywhere (ShowConfigTip).
  void ShowConfigTip(const std::string& text);

  // --- The controls, for the window and the tests -----------------------
  QTabBar* Tabs() const { return tabs_; }
  QWidget* Page(int i) const { return pages_[static_cast<std::size_t>(i)]; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* CancelButton() const { return cancel_; }
  QPushButton* HelpButton() const { return helpButton_; }
  QLabel* StatusPanel() const { return status_; }
  QRadioButton* BeepOption(int i) const { return optBeep_[static_cast<std::size_t>(i)]; }
  QSlider* ChangeSpeed() const { return sldChangeSpeed_; }
  QLabel* ChangeSpeedLabel(int i) const { return lblChangeSpeed_[static_cast<std::size_t>(i)]; }
  QLineEdit* KateiMaxBox(int i) const { return txtKateiMax_[static_cast<std::size_t>(i)]; }
  QScrollBar* KateiMaxBar(int i) const { return hsbKateiMax_[static_cast<std::size_t>(i)]; }
  QRadioButton* AssumeOption(int i) const { return optAssume_[static_cast<std::size_t>(i)]; }
  QCheckBox* Assume() const { return chkAssume_; }
  QRadioButton* AnotherAnswerOption(int i) const {
    return optAnotherAnswer_[static_cast<std::size_t>(i)];
  }
  QRadioButton* LevelShowOption(int i) const { return optLevelShow_[static_cast<std::size_t>(i)]; }
  QLabel* RowLabel(int i) const { return lblDumy_[static_cast<std::size_t>(i)]; }  // lblDumy
  QWidget* Swatch(int i) const { return shpColor_[static_cast<std::size_t>(i)]; }
  QLabel* ColorArea(int i) const { return lblColor_[static_cast<std::size_t>(i)]; }
  QLineEdit* PaletteBox(int i) const { return txtPalette_[static_cast<std::size_t>(i)]; }
  QLineEdit* NameBox() const { return txtName_; }
  QCheckBox* Connect() const { return chkConnect_; }
  QLineEdit* GifPathBox() const { return txtGifPath_; }
  // The fill colour of swatch i.
  QColor SwatchColor(int i) const;

 protected:
  // F1 from any control, the status texts, and clicks on the colour areas.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildInputPage(QWidget* page);
  void BuildAssumePage(QWidget* page);
  void BuildAnswerPage(QWidget* page);
  void BuildColorPage(QWidget* page);
  void BuildNamePage(QWidget* page);
  void BuildOtherPage(QWidget* page);
  void ConnectEdits();
  void Load(const ConfigControls& controls);  // the opening steps
  void ShowPage(int i);
  void KateiBarChanged(int i);
  void KateiBoxChanged(int i);
  void PaletteChanged(int i);
  void ChooseColor(int i);
  void Edited() { ok_->setEnabled(true); }
  void Tip(QWidget* widget, const char* text);

  Settings& settings_;
  std::string& lastStatusText_;
  AssociationService& association_;
  std::function<void()> help_;
  ColorChooser chooser_;
  bool connectChanged_ = false;  // ConnectChanged
  std::map<const QObject*, std::string> tips_;

  QTabBar* tabs_;
  std::array<QWidget*, kPages> pages_{};
  QPushButton* ok_;
  QPushButton* cancel_;
  QPushButton* helpButton_;
  QLabel* status_;
  std::array<QRadioButton*, 2> optBeep_{};
  QSlider* sldChangeSpeed_ = nullptr;
  std::array<QLabel*, 2> lblChangeSpeed_{};
  std::array<QLineEdit*, 2> txtKateiMax_{};
  std::array<QScrollBar*, 2> hsbKateiMax_{};
  std::array<QRadioButton*, 2> optAssume_{};
  QCheckBox* chkAssume_ = nullptr;
  std::array<QRadioButton*, 2> optAnotherAnswer_{};
  std::array<QRadioButton*, 2> optLevelShow_{};
  std::array<QLabel*, 8> lblDumy_{};
  std::array<QWidget*, kColors> shpColor_{};
  std::array<QLabel*, kColors> lblColor_{};
  std::array<QLineEdit*, kColors> txtPalette_{};
  QLineEdit* txtName_ = nullptr;
  QCheckBox* chkConnect_ = nullptr;
  QLineEdit* txtGifPath_ = nullptr;
};

}  // namespace gridora::ui
