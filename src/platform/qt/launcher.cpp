#include "platform/qt/launcher.h"

#include <QProcess>
#include <QString>

namespace qtui {

std::optional<QUrl> mailLinkOf(const std::string& commandLine) {
    const QString line = QString::fromStdString(commandLine).trimmed();
    const QString verb = QStringLiteral("start ");
    if (!line.startsWith(verb, Qt::CaseInsensitive)) return std::nullopt;
    const QString target = line.mid(verb.size()).trimmed();
    if (!target.startsWith(QStringLiteral("mailto:"), Qt::CaseInsensitive)) return std::nullopt;
    QUrl link(target, QUrl::StrictMode);
    if (!link.isValid() || link.path().isEmpty()) return std::nullopt;
    return link;
}

void openMailLink(const QUrl& link) {
    QProcess opener;
    opener.setProgram(QStringLiteral("xdg-open"));
    opener.setArguments({link.toString()});
    // The opener's own complaints (no mail program, say) are not the game's to print.
    opener.setStandardOutputFile(QProcess::nullDevice());
    opener.setStandardErrorFile(QProcess::nullDevice());
    opener.startDetached();
}

}  // namespace qtui
