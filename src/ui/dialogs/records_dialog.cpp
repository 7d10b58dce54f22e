// SPDX-License-Identifier: MIT
#include "ui/dialogs/records_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "play/game_clock.h"

namespace gridora::ui {

namespace {

QString TimeText(const std::optional<std::int64_t>& ms) {
  return ms ? QString::fromStdString(play::ClockText(*ms)) : QStringLiteral("-");
}

QTableWidget* MakeTable(const QStringList& headings, const char* name, QWidget* parent) {
  auto* table = new QTableWidget(0, static_cast<int>(headings.size()), parent);
  table->setObjectName(QString::fromLatin1(name));
  table->setHorizontalHeaderLabels(headings);
  table->verticalHeader()->hide();
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table->horizontalHeader()->setStretchLastSection(true);
  return table;
}

void SetCell(QTableWidget* table, int row, int column, const QString& text) {
  auto* item = new QTableWidgetItem(text);
  if (column > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  table->setItem(row, column, item);
}

}  // namespace

RecordsDialog::RecordsDialog(const play::Records& records, const QIcon& icon, QWidget* parent)
    : QDialog(parent), records_(records) {
  setObjectName(QStringLiteral("frmRecords"));
  setWindowTitle(QStringLiteral("成績"));
  setWindowIcon(icon);
  summary_ =
      MakeTable({QStringLiteral("問題"), QStringLiteral("解いた数"), QStringLiteral("ヒントなし"),
                 QStringLiteral("最高"), QStringLiteral("平均")},
                "tblSummary", this);
  results_ = MakeTable({QStringLiteral("日時"), QStringLiteral("時間"), QStringLiteral("")},
                       "tblResults", this);
  const std::vector<std::string> keys = records.Keys();
  summary_->setRowCount(static_cast<int>(keys.size()));
  for (int row = 0; row < static_cast<int>(keys.size()); ++row) {
    const std::string& key = keys[static_cast<std::size_t>(row)];
    const play::RecordSummary s = records.SummaryOf(key);
    SetCell(summary_, row, 0, QString::fromStdString(key));
    SetCell(summary_, row, 1, QString::number(s.solved));
    SetCell(summary_, row, 2, QString::number(s.unhelped));
    SetCell(summary_, row, 3, TimeText(s.best));
    SetCell(summary_, row, 4, TimeText(s.average));
  }
  connect(summary_, &QTableWidget::currentCellChanged, this,
          [this](int row) { ShowResultsOf(row); });

  auto* layout = new QVBoxLayout(this);
  if (keys.empty()) {
    auto* none = new QLabel(QStringLiteral("まだ記録がありません。"), this);
    none->setObjectName(QStringLiteral("lblNoRecords"));
    layout->addWidget(none);
  }
  layout->addWidget(summary_);
  auto* recent = new QLabel(QStringLiteral("最近の結果 (新しい順、20回まで)"), this);
  layout->addWidget(recent);
  layout->addWidget(results_);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)
      ->setObjectName(QStringLiteral("cmdOK"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
  resize(420, 420);
  if (!keys.empty()) summary_->selectRow(0);
  ShowResultsOf(keys.empty() ? -1 : 0);
}

void RecordsDialog::ShowResultsOf(int row) {
  results_->setRowCount(0);
  const std::vector<std::string> keys = records_.Keys();
  if (row < 0 || row >= static_cast<int>(keys.size())) return;
  const play::RecordSummary s = records_.SummaryOf(keys[static_cast<std::size_t>(row)]);
  results_->setRowCount(static_cast<int>(s.last.size()));
  for (int r = 0; r < static_cast<int>(s.last.size()); ++r) {
    const play::GameResult& result = s.last[static_cast<std::size_t>(r)];
    SetCell(results_, r, 0, QString::fromStdString(result.date));
    SetCell(results_, r, 1, QString::fromStdString(play::ClockText(result.ms)));
    SetCell(results_, r, 2, result.helped ? QStringLiteral("ヒントあり") : QString());
  }
}

}  // namespace gridora::ui
