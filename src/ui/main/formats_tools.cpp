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
#include "ui/main/play_mode.h"

namespace gridora::ui {

namespace {

constexpr const char* kOpenedText = "ファイルを開きました";
constexpr int kRatingColumn = 3;

}  // namespace

// The puzzles of a collection with their results and ratings, one row
// each; rows are made when they are shown, so a list of 49,158 puzzles
// opens at once, and a rating is asked for when its row is shown.
class CollectionModel : public QAbstractTableModel {
 public:
  CollectionModel(const formats::Collection& collection, formats::CollectionRatings& ratings)
      : collection_(collection), ratings_(ratings) {}
  int rowCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : static_cast<int>(collection_.size());
  }
  int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : 4; }
  QVariant data(const QModelIndex& index, int role) const override {
    if (role == Qt::TextAlignmentRole && index.column() == kRatingColumn)
      return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
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
      case 2:
        if (!result.solved) return {};
        return QStringLiteral("%1:%2")
            .arg(result.seconds / 60)
            .arg(result.seconds % 60, 2, 10, QLatin1Char('0'));
      default:
        if (const std::optional<formats::Rating> rating = ratings_.Find(k))
          return QString::fromStdString(formats::RatingText(*rating));
        ratings_.Ask(k);
        return QStringLiteral("…");
    }
  }
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    static const char* const kTitles[] = {"番号", "状態", "時間", "難易度 (ER)"};
    return QString::fromUtf8(kTitles[section]);
  }
  // The rating of puzzle `k` was found.
  void RatingReady(std::size_t k) {
    const QModelIndex cell = index(static_cast<int>(k), kRatingColumn);
    emit dataChanged(cell, cell, {Qt::DisplayRole});
  }

 private:
  const formats::Collection& collection_;
  formats::CollectionRatings& ratings_;
};

FormatsTools::FormatsTools(MainWindow& window, Folders folders,
                           std::array<QAction*, 3> collectionActions)
    : window_(window), folders_(std::move(folders)), actions_(collectionActions) {
  position_ = new QLabel(window.statusBar());
  position_->setObjectName(QStringLiteral("lblCollectionPosition"));
  window.statusBar()->addPermanentWidget(position_);
  position_->hide();
  window.Play().SetSolvedHook(
      [this](play::Records& records, const play::GameResult& result) { Solved(records, result); });
  UpdateActions();
}

FormatsTools::~FormatsTools() = default;

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
    SetCollection(std::nullopt);
    formats::ApplyImportedPuzzle(app, puzzle, kOpenedText);
    // The player's digits and pencil marks of the file are a game in play.
    Loaded(puzzle, puzzle.HasProgress());
    return true;
  }
  std::error_code error;
  const std::string absolute = std::filesystem::absolute(path, error).string();
  std::optional<formats::Collection> previous = std::move(collection_);
  SetCollection(formats::Collection(std::move(*index), folders_.state, folders_.records));
  if (!Show(collection_->FirstUnsolved())) {
    SetCollection(std::move(previous));
    return false;
  }
  if (!folders_.state.empty()) formats::SaveLastCollection(folders_.state, error ? path : absolute);
  return true;
}

void FormatsTools::SetCollection(std::optional<formats::Collection> collection) {
  ratings_.reset();  // waits for the puzzle being rated, if any
  collection_ = std::move(collection);
  UpdateActions();
}

bool FormatsTools::Show(std::size_t k) {
  formats::Puzzle puzzle;
  if (const formats::ReadError error = collection_->Go(k, puzzle)) {
    window_.ShowMessage(formats::JapaneseErrorText(collection_->index().path(), error),
                        "ロード失敗", MessageButtons::Ok, MessageIcon::Information);
    return false;
  }
  formats::ApplyImportedPuzzle(window_.app(), puzzle, collection_->StatusText());
  Loaded(puzzle, true);
  UpdateActions();
  return true;
}

void FormatsTools::Loaded(const formats::Puzzle& puzzle, bool play) {
  original_ = puzzle;
  if (play) window_.Play().StartGame(formats::GameOfPuzzle(puzzle));
}

void FormatsTools::Move(int step) {
  if (!collection_) return;
  const std::size_t n = collection_->size();
  const std::size_t k = (collection_->position() + n + (step > 0 ? 1 : n - 1)) % n;
  if (!ConfirmSaveChanges(window_.app())) return;
  window_.Play().KeepGame();  // a game of a file keeps its notes and time
  Show(k);
}

void FormatsTools::Solved(play::Records& records, const play::GameResult& result) {
  if (!collection_ || !original_) return;
  // Only the game of the collection's puzzle: its givens are the puzzle's.
  const play::Game& game = window_.Play().Game();
  if (game.BoardSize() != original_->boardSize) return;
  for (int k = 0; k < game.BoardSize() * game.BoardSize(); ++k) {
    if (game.IsGiven(k) != (original_->givens[static_cast<std::size_t>(k)] != 0)) return;
  }
  collection_->Record(records, result);
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
  // In play mode the game tells the givens, and its notes are written.
  const formats::Puzzle puzzle =
      formats::PuzzleOfBoard(app.state, original, &window_.Play().Game());
  if (!ReplaceFile(path, formats::WriteFile(format, {puzzle}))) {
    window_.ShowMessage("ディスクにアクセスできません。", "セーブ失敗", MessageButtons::Ok,
                        MessageIcon::Information);
    return;
  }
  window_.ShowStatus("ファイルを保存しました");
}

void FormatsTools::ShowList() {
  if (!collection_) return;
  if (!ratings_) {
    ratings_ = std::make_unique<formats::CollectionRatings>(collection_->index(), folders_.ratings,
                                                            [this](std::size_t k) {
                                                              QMetaObject::invokeMethod(
                                                                  &window_,
                                                                  [this, k] {
                                                                    if (list_)
                                                                      list_->RatingReady(k);
                                                                  },
                                                                  Qt::QueuedConnection);
                                                            });
  }
  QDialog dialog(&window_);
  dialog.setObjectName(QStringLiteral("frmCollection"));
  dialog.setWindowTitle(QString::fromUtf8("問題集の一覧"));
  auto* layout = new QVBoxLayout(&dialog);
  CollectionModel model(*collection_, *ratings_);
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
  dialog.resize(440, 420);
  list_ = &model;
  const int answer = window_.RunDialog(dialog);
  list_ = nullptr;
  // The rows shown are no longer waited for; what was found is kept.
  ratings_->ClearAsked();
  ratings_->Save();
  if (answer != QDialog::Accepted) return;
  const QModelIndexList chosen = table->selectionModel()->selectedRows();
  if (chosen.isEmpty()) return;
  const auto k = static_cast<std::size_t>(chosen.first().row());
  if (k == collection_->position() || !ConfirmSaveChanges(window_.app())) return;
  window_.Play().KeepGame();
  Show(k);
}

void FormatsTools::Resume() {
  if (folders_.state.empty()) return;
  const std::string last = formats::LastCollectionPath(folders_.state);
  if (last.empty() || !std::filesystem::is_regular_file(last)) return;
  formats::PuzzleIndex index;
  if (formats::PuzzleIndex::Open(last, index) || index.size() < 2) return;
  SetCollection(formats::Collection(std::move(index), folders_.state, folders_.records));
  if (!Show(collection_->FirstUnsolved())) SetCollection(std::nullopt);
}

}  // namespace gridora::ui
