#pragma once

#include "support/Failing.h"
#include "support/WidgetTesting.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QtTest>
#include <deque>
#include <functional>
#include <source_location>
#include <utility>
#include <vector>

// Answering the modal windows that the code under test opens and waits on.
namespace velk::test {

// Which modal window an answer is for: any, or the one with this object name or window title.
struct Modal {
    QString name;
    QString title;

    static Modal Any() { return {}; }
    static Modal Named(const char* name) { return {QString::fromLatin1(name), {}}; }
    static Modal Titled(const QString& title) { return {{}, title}; }

    bool matches(const QWidget* w) const {
        return (name.isEmpty() || w->objectName() == name) && (title.isEmpty() || w->windowTitle() == title);
    }
    QString describe() const {
        if (!name.isEmpty())
            return name;
        return title.isEmpty() ? QStringLiteral("modal window") : QStringLiteral("\"%1\"").arg(title);
    }
};

using Answer = std::function<void(QWidget*)>;

// Answers the modal windows that a step of a test opens, one after the other, each as soon as it
// is up and active. Made before the step, kept until after it:
//
//     ModalAnswers answers("SelectieDlg", [](QWidget* d) { Click(d, "OkBtn"); });
//     Trigger(&window, "CopyMatchPoints");
//
// The test fails instead of waiting when a window does not come within the time limit (a window
// that is up but is not the one expected is closed, so the step can end), when an answer leaves
// its window open, and when answers are left over at the end. After a failure every modal window
// that comes is closed for as long as the object lives.
class ModalAnswers : public QObject {
public:
    static constexpr int kLimitMs = 10000;

    explicit ModalAnswers(Answer answer, std::source_location where = std::source_location::current())
        : ModalAnswers(Modal::Any(), std::move(answer), where) {}
    ModalAnswers(const char* name, Answer answer,
                 std::source_location where = std::source_location::current())
        : ModalAnswers(Modal::Named(name), std::move(answer), where) {}
    ModalAnswers(Modal which, Answer answer, std::source_location where = std::source_location::current())
        : where_(where) {
        then(std::move(which), std::move(answer));
    }
    ~ModalAnswers() override {
        if (!failed_ && !steps_.empty())
            Fail(QStringLiteral("%1 never came up").arg(steps_.front().which.describe()), where_);
    }
    ModalAnswers(const ModalAnswers&) = delete;
    ModalAnswers& operator=(const ModalAnswers&) = delete;

    // The window to answer after the ones given so far.
    ModalAnswers& then(Modal which, Answer answer) {
        steps_.push_back({std::move(which), std::move(answer)});
        if (steps_.size() == 1)
            poll();
        return *this;
    }
    ModalAnswers& then(const char* name, Answer answer) {
        return then(Modal::Named(name), std::move(answer));
    }

    // The object names of the windows answered so far, in order.
    const QStringList& seen() const { return seen_; }
    bool done() const { return steps_.empty(); }

private:
    struct Step {
        Modal which;
        Answer answer;
    };

    // A fresh single shot each time, so that a window opened from inside an answer is answered too.
    void poll() { QTimer::singleShot(10, this, &ModalAnswers::check); }

    void check() {
        if (steps_.empty())
            return;
        QWidget* modal = QApplication::activeModalWidget();
        if (failed_) {
            if (modal && !answering(modal))
                modal->close();
            poll();
            return;
        }
        if (modal && !answering(modal) && steps_.front().which.matches(modal)) {
            Step step = std::move(steps_.front());
            steps_.pop_front();
            waited_.invalidate();
            poll();
            answer(modal, step.answer);
            return;
        }
        if (!waited_.isValid())
            waited_.start(); // the clock runs from the first look, when the step is under way
        else if (waited_.elapsed() > kLimitMs) {
            failed_ = true;
            Fail(QStringLiteral("%1 did not come up within %2 ms; up instead: %3")
                     .arg(steps_.front().which.describe())
                     .arg(kLimitMs)
                     .arg(modal ? modal->objectName() : QStringLiteral("none")),
                 where_);
        }
        poll();
    }

    void answer(QWidget* modal, const Answer& answer) {
        seen_ << modal->objectName();
        QPointer<QWidget> window(modal);
        busy_.push_back(modal);
        QApplication::setActiveWindow(modal);
        if (QTest::qWaitForWindowActive(modal))
            answer(modal);
        else
            Fail(QStringLiteral("%1 never became active").arg(modal->objectName()), where_);
        busy_.pop_back();
        // Every answer closes its window; one that failed part-way must not leave it waiting.
        if (window && !QTest::qWaitFor([&] { return !window || !window->isVisible(); }, 1000)) {
            Fail(QStringLiteral("%1 was still open after its answer").arg(window->objectName()), where_);
            window->close();
        }
    }

    bool answering(const QWidget* w) const { return std::find(busy_.begin(), busy_.end(), w) != busy_.end(); }

    std::source_location where_;
    std::deque<Step> steps_;
    std::vector<const QWidget*> busy_;
    QStringList seen_;
    QElapsedTimer waited_;
    bool failed_ = false;
};

// Answers that come up often.
inline Answer Pressing(Qt::Key key) {
    return [key](QWidget* w) { Press(w, key); };
}
inline Answer Clicking(const char* name) {
    return [name](QWidget* w) { Click(w, name); };
}

} // namespace velk::test
