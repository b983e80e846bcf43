#pragma once

#include <QEvent>
#include <QKeyEvent>
#include <QString>
#include <string>

// Small pieces every club dialog uses: the keys that confirm or cancel a field, and text
// conversion between the models' UTF-8 and Qt.

inline bool IsEnterKey(const QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

inline bool IsEscapeKey(const QEvent* event) {
    return event->type() == QEvent::KeyPress && static_cast<const QKeyEvent*>(event)->key() == Qt::Key_Escape;
}

inline QString ToQt(const std::string& text) {
    return QString::fromStdString(text);
}

// A model text with "\r" line breaks, for a label.
inline QString ToQtLines(const std::string& text) {
    QString s = ToQt(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

inline std::string FromQt(const QString& text) {
    return text.toStdString();
}
