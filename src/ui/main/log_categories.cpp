// SPDX-License-Identifier: MIT
#include "ui/main/log_categories.h"

#include "core/log.h"

namespace gridora::ui {

Q_LOGGING_CATEGORY(lcFiles, "gridora.files")
Q_LOGGING_CATEGORY(lcSettings, "gridora.settings")
Q_LOGGING_CATEGORY(lcSystem, "gridora.system")

namespace {

void QtSink(LogArea area, std::string_view line) {
  const QString text = QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
  switch (area) {
    case LogArea::Files:
      qCWarning(lcFiles).noquote() << text;
      break;
    case LogArea::Settings:
      qCWarning(lcSettings).noquote() << text;
      break;
    case LogArea::System:
      qCWarning(lcSystem).noquote() << text;
      break;
  }
}

}  // namespace

void InstallQtLogSink() {
  SetLogSink(&QtSink);
}

}  // namespace gridora::ui
