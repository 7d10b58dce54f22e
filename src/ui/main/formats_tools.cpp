// SPDX-License-Identifier: MIT
#include "ui/main/formats_tools.h"

#include <QAbstractTableModel>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>
#include <filesystem>

#include "core/file_commands.h"
#include "core/file_io.h"
#include "formats/import_puzzle.h"
#include "formats/writers.h"
#include "ui/main/main_window.h"

namespace gridora::ui {

namespace {

constexpr const char* kOpenedText = "ファイルを開きました";

// The puzzles of a collection with their results, one row each; rows are
// made when they are shown, so a list of 49,158 puzzles opens at once.
class CollectionModel : public QAbstractTableModel {
 public:
  explicit CollectionModel(const formats::Collection& collection) : collection_(collection) {}
  int rowCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : static_cast<int>(collection_.size());
  }
  int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : 3; }
  QVariant data(const QModelIndex& index, int role) const override {
    if (role != Qt::DisplayRole) return {};
    const auto k = static_cast<std::size_t>(index.row());
    const formats::PuzzleResult result = collection_.ResultOf(k);
    switch (index.column()) {
      case 0:
        return index.row() + 1;
      case 1:
        if (!result.solved)
          return k == collection_.position() ? QStringLiteral("解いている途中") : QString();
        return QString::fromUtf8(result.helped ? "解いた (助けあり)" : "解いた");
      default:
        if (!result.solved) return {};
        return QStringLiteral("%1:%2")
            .arg(result.seconds / 60)
            .arg(result.seconds % 60, 2, 10, QLatin1Char('0'));
    }
  }
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    static const char* const kTitles[] = {"番号", "状態", "時間"};
    return QString::fromUtf8(kTitles[section]);
  }

 private:
  const formats::Collection& collection_;
};

}  // namespace

FormatsTools::FormatsTools(MainWindow& window, std::string folder,
                           std::array<QAction*, 3> collectionActions)
    : window_(window), folder_(std::move(folder)), actions_(collectionActions) {
  position_ = new QLabel(window.statusBar());
  position_->setObjectName(QStringLiteral("lblCollectionPosition"));
  window.statusBar()->addPermanentWidget(position_);
  position_->hide();
  UpdateActions();
}

void FormatsTools::UpdateActions() {
  for (QAction* action : actions_) {
    if (action) action->setEnabled(collection_.has_value());
  }
  position_->setVisible(collection_.has_value());
  if (collection_) position_->setText(QString::fromStdString(collection_->StatusText()));
}

void FormatsTools::OpenOther() {
  FileDialogRequest request;
  request.mode = FileDialogMode::Open;
  request.filterDescription =
      "ナンプレの問題 (*.sdk *.sdm *.ss *.txt *.opensudoku);;すべてのファイル (*)";
  request.filterPattern = "*.sdk *.sdm *.ss *.txt *.opensudoku";
  std::string path;
  if (!window_.app().screen.AskFilePath(request, path)) return;
  Open(path);
}

bool FormatsTools::Open(const std::string& path) {
  App app = window_.app();
  std::optional<formats::PuzzleIndex> index = formats::OpenPuzzleFileOrTell(app, path);
  if (!index) return false;
  if (index->size() == 1) {
    formats::Puzzle puzzle;
    if (const formats::ReadError error = index->Load(0, puzzle)) {
      window_.ShowMessage(formats::JapaneseErrorText(path, error), "ロード失敗", MessageButtons::Ok,
                          MessageIcon::Information);
      return false;
    }
    collection_.reset();
    formats::ApplyImportedPuzzle(app, puzzle, kOpenedText);
    Loaded(puzzle);
    UpdateActions();
    return true;
  }
  std::error_code error;
  const std::string absolute = std::filesystem::absolute(path, error).string();
  std::optional<formats::Collection> previous = std::move(collection_);
  collection_.emplace(std::move(*index), folder_);
  if (!Show(collection_->FirstUnsolved())) {
    collection_ = std::move(previous);
    UpdateActions();
    return false;
  }
  if (!folder_.empty()) formats::SaveLastCollection(folder_, error ? path : absolute);
  return true;
}

bool FormatsTools::Show(std::size_t k) {
  formats::Puzzle puzzle;
  if (const formats::ReadError error = collection_->Go(k, puzzle)) {
    window_.ShowMessage(formats::JapaneseErrorText(collection_->index().path(), error),
                        "ロード失敗", MessageButtons::Ok, MessageIcon::Information);
    return false;
  }
  formats::ApplyImportedPuzzle(window_.app(), puzzle, collection_->StatusText());
  Loaded(puzzle);
  UpdateActions();
  return true;
}

void FormatsTools::Loaded(const formats::Puzzle& puzzle) {
  original_ = puzzle;
  helped_ = false;
  recorded_ = collection_ && collection_->ResultOf(collection_->position()).solved;
  clock_.start();
}

void FormatsTools::Move(int step) {
  if (!collection_) return;
  const std::size_t n = collection_->size();
  const std::size_t k = (collection_->position() + n + (step > 0 ? 1 : n - 1)) % n;
  if (!ConfirmSaveChanges(window_.app())) return;
  Show(k);
}

void FormatsTools::BoardChanged() {
  if (!collection_ || recorded_ || !original_) return;
  const AppState& state = window_.app().state;
  if (state.BoardSize != original_->boardSize) return;
  bool solverDigits = false;
  for (int k = 0; k < state.CellCount(); ++k) {
    const auto i = static_cast<std::size_t>(k);
    if (ClassOf(state.Board[i]) != kClassBlack) solverDigits = true;
    // A given that was changed makes this another puzzle.
    if (original_->givens[i] != 0 && state.Board[i] != original_->givens[i]) return;
  }
  if (!formats::IsSolvedBoard(state.Board, state.BoardSize)) return;
  recorded_ = true;
  const auto seconds = static_cast<int>(clock_.elapsed() / 1000);
  collection_->Record({true, seconds, helped_ || solverDigits});
  window_.ShowStatus(collection_->StatusText() + " を解きました");
}

void FormatsTools::SaveOther() {
  FileDialogRequest request;
  request.mode = FileDialogMode::Save;
  request.filterDescription = "ナンプレの問題 (*.sdk *.sdm *.txt *.ss)";
  request.filterPattern = "*.sdk *.sdm *.txt *.ss";
  request.defaultSuffix = "sdk";
  std::string path;
  App app = window_.app();
  if (!app.screen.AskFilePath(request, path)) return;
  std::string extension = std::filesystem::path(path).extension().string();
  for (char& ch : extension) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  const formats::Format format = extension == ".sdk"  ? formats::Format::Sdk
                                 : extension == ".ss" ? formats::Format::Ss
                                                      : formats::Format::Sdm;
  const formats::Puzzle* original =
      original_ && original_->boardSize == app.state.BoardSize ? &*original_ : nullptr;
  // The notes of play mode have no place on this board yet: none are written.
  const formats::Puzzle puzzle = formats::PuzzleOfBoard(app.state, original, formats::NoteMasks{});
  if (!ReplaceFile(path, formats::WriteFile(format, {puzzle}))) {
    window_.ShowMessage("ディスクにアクセスできません。", "セーブ失敗", MessageButtons::Ok,
                        MessageIcon::Information);
    return;
  }
  window_.ShowStatus("ファイルを保存しました");
}

void FormatsTools::ShowList() {
  if (!collection_) return;
  QDialog dialog(&window_);
  dialog.setObjectName(QStringLiteral("frmCollection"));
  dialog.setWindowTitle(QString::fromUtf8("問題集の一覧"));
  auto* layout = new QVBoxLayout(&dialog);
  CollectionModel model(*collection_);
  auto* table = new QTableView(&dialog);
  table->setObjectName(QStringLiteral("tblPuzzles"));
  table->setModel(&model);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->verticalHeader()->hide();
  table->horizontalHeader()->setStretchLastSection(true);
  table->selectRow(static_cast<int>(collection_->position()));
  table->scrollTo(model.index(static_cast<int>(collection_->position()), 0));
  layout->addWidget(table);
  auto* label = new QLabel(QString::fromUtf8("解いた問題: %1 / %2")
                               .arg(collection_->SolvedCount())
                               .arg(collection_->size()),
                           &dialog);
  label->setObjectName(QStringLiteral("lblSolvedCount"));
  layout->addWidget(label);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Open | QDialogButtonBox::Cancel, &dialog);
  layout->addWidget(buttons);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  QObject::connect(table, &QTableView::doubleClicked, &dialog, &QDialog::accept);
  dialog.resize(360, 420);
  if (window_.RunDialog(dialog) != QDialog::Accepted) return;
  const QModelIndexList chosen = table->selectionModel()->selectedRows();
  if (chosen.isEmpty()) return;
  const auto k = static_cast<std::size_t>(chosen.first().row());
  if (k == collection_->position() || !ConfirmSaveChanges(window_.app())) return;
  Show(k);
}

void FormatsTools::Resume() {
  if (folder_.empty()) return;
  const std::string last = formats::LastCollectionPath(folder_);
  if (last.empty() || !std::filesystem::is_regular_file(last)) return;
  formats::PuzzleIndex index;
  if (formats::PuzzleIndex::Open(last, index) || index.size() < 2) return;
  collection_.emplace(std::move(index), folder_);
  if (!Show(collection_->FirstUnsolved())) {
    collection_.reset();
    UpdateActions();
  }
}

}  // namespace gridora::ui
