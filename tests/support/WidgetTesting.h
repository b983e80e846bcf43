#pragma once

#include <QApplication>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <QtTest>
#include <functional>

// Finding widgets and answering modal windows from a GUI test.
namespace velk::test {

template <typename T> T* Child(QWidget* parent, const char* name) {
    T* child = parent->findChild<T*>(QString::fromLatin1(name));
    if (!child)
        qFatal("no child %s", name);
    return child;
}

// Runs `answer` on the modal dialog as soon as it is up; gives up after a while so that a dialog
// that never opens fails the test instead of waiting.
inline void WhenModal(std::function<void(QWidget*)> answer, int triesLeft = 200) {
    QTimer::singleShot(10, [answer, triesLeft] {
        if (QWidget* modal = QApplication::activeModalWidget())
            answer(modal);
        else if (triesLeft > 0)
            WhenModal(answer, triesLeft - 1);
    });
}

// Acts on the modal window named `name` as soon as it is up; one that never comes is fatal.
inline void WhenModal(const char* name, std::function<void(QWidget*)> act, int triesLeft = 500) {
    QTimer::singleShot(10, [name, act, triesLeft] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->objectName() == QLatin1String(name)) {
            act(modal);
            return;
        }
        if (triesLeft == 0)
            qFatal("no modal %s", name);
        WhenModal(name, act, triesLeft - 1);
    });
}

// Cancels the modal window named `name` whenever it comes up, for as long as it lives.
class Canceller : public QObject {
public:
    explicit Canceller(const char* name) : name_(QString::fromLatin1(name)) {
        connect(&timer_, &QTimer::timeout, this, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && modal->objectName() == name_)
                QTest::keyClick(modal, Qt::Key_Escape);
        });
        timer_.start(20);
    }

private:
    QString name_;
    QTimer timer_;
};

} // namespace velk::test
