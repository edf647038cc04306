#include "platform/qt/dialogs.h"

#include "forms/runtime.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace qtui {

int showMessageBox(const std::string& text, int style, const std::string& title) {
    const bool yesNo = style == forms::vbYesNoExclamation;
    QMessageBox box(QMessageBox::Warning, QString::fromStdString(title),
                    QString::fromStdString(text),
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    // Above every window, also the about, help and scores windows kept on top: a box that
    // blocks the program must never hide behind one of them.
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    const int answer = box.exec();
    if (!yesNo) return forms::vbOK;
    return answer == QMessageBox::Yes ? forms::vbYes : forms::vbNo;
}

namespace {

// "*.TBY" becomes "*.[tT][bB][yY]".
QString caseFreePattern(const QString& pattern) {
    QString result;
    for (const QChar ch : pattern) {
        if (ch.isLetter() && ch.toLower() != ch.toUpper()) {
            result += QLatin1Char('[') + ch.toLower() + ch.toUpper() + QLatin1Char(']');
        } else {
            result += ch;
        }
    }
    return result;
}

}  // namespace

QStringList nameFiltersOf(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        QStringList patterns;
        for (const QString& pattern : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            // "*.*" means every file, also one saved without an extension.
            const QString trimmed = pattern.trimmed();
            patterns << (trimmed == QLatin1String("*.*") ? QStringLiteral("*")
                                                         : caseFreePattern(trimmed));
        }
        if (description.isEmpty() || patterns.isEmpty()) continue;
        filters << QStringLiteral("%1 (%2)").arg(description, patterns.join(QLatin1Char(' ')));
    }
    return filters;
}

std::optional<std::string> showFileDialog(const forms::FileDialogRequest& request) {
    QFileDialog dialog;
    // Qt's own dialog: the native one would match the filter with regard to letter case.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QString());
    const QStringList filters = nameFiltersOf(request.filter);
    if (!filters.isEmpty()) dialog.setNameFilters(filters);
    if (!request.initialPath.empty()) {
        const QFileInfo start(QString::fromStdString(request.initialPath));
        dialog.setDirectory(start.absolutePath());
        dialog.selectFile(start.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst().toStdString();
}

}  // namespace qtui
