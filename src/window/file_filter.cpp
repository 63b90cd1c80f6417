// Dialog filters in Qt's form, and their extensions.
#include "window/file_filter.h"

#include <QFileInfo>
#include <QStringList>

namespace fp {

namespace {

QString caseBlindPattern(const QString& pattern) {
    if (pattern == QStringLiteral("*.*")) {
        return QStringLiteral("*");
    }
    QString blind;
    for (const QChar character : pattern) {
        if (character.isLetter() && character.toUpper() != character.toLower()) {
            blind +=
                QLatin1Char('[') + character.toUpper() + character.toLower() + QLatin1Char(']');
        } else {
            blind += character;
        }
    }
    return blind;
}

// The extension a filter stands for: "PDF (*.pdf)" gives "pdf".
QString filterExtension(const QString& filter) {
    const qsizetype dot = filter.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : filter.mid(dot + 1).chopped(1);
}

}  // namespace

QString qtNameFilters(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString& pattern : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            patterns << caseBlindPattern(pattern.trimmed());
        }
        filters << parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                       QLatin1Char(')');
    }
    return filters.join(QStringLiteral(";;"));
}

QString withFilterExtension(const QString& path, const QString& filter,
                            const QStringList& filters) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const QString& known : filters) {
        if (!suffix.isEmpty() && filterExtension(known) == suffix) {
            return path;
        }
    }
    const QString extension = filterExtension(filter);
    return extension.isEmpty() ? path : path + QLatin1Char('.') + extension;
}

}  // namespace fp
