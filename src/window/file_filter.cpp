// Dialog filters in Qt's form.
#include "window/file_filter.h"

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

}  // namespace fp
