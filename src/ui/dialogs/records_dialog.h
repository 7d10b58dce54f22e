// SPDX-License-Identifier: MIT
#pragma once
// RecordsDialog ("成績"): the records of play mode, one row per board size
// and grade (or other key) with the number solved, the best and the
// average time, and the last results of the chosen row, helped ones marked.

#include <QDialog>

#include "play/records.h"

class QTableWidget;

namespace gridora::ui {

class RecordsDialog : public QDialog {
 public:
  RecordsDialog(const play::Records& records, const QIcon& icon, QWidget* parent);

  QTableWidget* Summary() const { return summary_; }
  QTableWidget* Results() const { return results_; }
  // Shows the last results of summary row `row`.
  void ShowResultsOf(int row);

 private:
  const play::Records& records_;
  QTableWidget* summary_;
  QTableWidget* results_;
};

}  // namespace gridora::ui
