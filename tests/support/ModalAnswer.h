#pragma once
// Answers the program's modal message boxes from a test. Queue one answer per
// box the action under test will show, then trigger the action: each box is
// recorded (title, text, details, icon, button captions) and closed with its
// answer. A box that appears with no answer queued stays open, so queue one
// answer for every box the action shows.
//
//   ModalAnswer answers;
//   answers.Queue(ModalAnswer::Ok());
//   form.Controls().portButton->click();               // runs the box's exec() to completion
//   EXPECT_EQ(answers.SeenBoxes().at(0).text, "COM Port error");

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <vector>

namespace gsm::test {

class ModalAnswer {
public:
    struct Seen {
        QString title;
        QString text;
        QString details; // the informative text under the main text
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QStringList buttons; // captions, in the box's order
    };

    // Which button to press: a standard one, or the one with this caption.
    struct Answer {
        QMessageBox::StandardButton standard = QMessageBox::NoButton;
        QString caption;
    };
    static Answer Ok() { return {QMessageBox::Ok, {}}; }
    static Answer Cancel() { return {QMessageBox::Cancel, {}}; }
    static Answer Caption(const QString& caption) { return {QMessageBox::NoButton, caption}; }

    explicit ModalAnswer(int pollMs = 10) {
        m_poll.setInterval(pollMs);
        QObject::connect(&m_poll, &QTimer::timeout, [this] { AnswerActiveBox(); });
    }

    void Queue(const Answer& answer) {
        m_answers.push_back(answer);
        m_poll.start();
    }

    // Forgets the answers not given yet.
    void Clear() {
        m_answers.clear();
        m_poll.stop();
    }

    const std::vector<Seen>& SeenBoxes() const { return m_seen; }
    std::size_t Pending() const { return m_answers.size(); }

    // Runs the event loop until every queued answer was given or `timeoutMs`
    // passed; for boxes shown from a later event rather than directly.
    bool WaitUntilAnswered(int timeoutMs = 5000) {
        QElapsedTimer clock;
        clock.start();
        while (!m_answers.empty() && clock.elapsed() < timeoutMs)
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        return m_answers.empty();
    }

private:
    void AnswerActiveBox() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box == m_lastBox || m_answers.empty())
            return;
        const Answer answer = m_answers.front();
        QAbstractButton* button = FindButton(*box, answer);
        if (!button)
            return;
        m_answers.pop_front();
        m_seen.push_back(Describe(*box));
        m_lastBox = box;
        if (m_answers.empty())
            m_poll.stop();
        button->click();
    }

    static QAbstractButton* FindButton(QMessageBox& box, const Answer& answer) {
        if (answer.standard != QMessageBox::NoButton)
            return box.button(answer.standard);
        for (QAbstractButton* b : box.buttons())
            if (b->text() == answer.caption)
                return b;
        return nullptr;
    }

    static Seen Describe(const QMessageBox& box) {
        Seen seen{box.windowTitle(), box.text(), box.informativeText(), box.icon(), {}};
        for (QAbstractButton* b : box.buttons())
            seen.buttons << b->text();
        return seen;
    }

    QTimer m_poll;
    std::deque<Answer> m_answers;
    std::vector<Seen> m_seen;
    // The box answered last: a box is never answered twice, even if it is
    // still on screen at the next poll.
    QPointer<QMessageBox> m_lastBox;
};

} // namespace gsm::test
