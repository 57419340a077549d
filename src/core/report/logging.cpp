#include "report/logging.h"

namespace report {

Q_LOGGING_CATEGORY(lcFiles, "vellumark.files", QtWarningMsg)
Q_LOGGING_CATEGORY(lcScripture, "vellumark.scripture", QtWarningMsg)
Q_LOGGING_CATEGORY(lcFavorites, "vellumark.favorites", QtWarningMsg)
Q_LOGGING_CATEGORY(lcTexts, "vellumark.texts", QtWarningMsg)

} // namespace report
