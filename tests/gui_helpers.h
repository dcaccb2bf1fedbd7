#pragma once

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

// Answers the next modal dialog or menu of type T as soon as it opens:
// `answer` gets it and must close it (accept, reject, click a button). Returns a flag that
// turns true once the dialog was answered.
template <typename T>
std::shared_ptr<bool> AnswerNextModal(std::function<void(T*)> answer, int timeoutMs = 10000)
{
    auto answered = std::make_shared<bool>(false);
    auto* timer = new QTimer;
    timer->setInterval(5);
    auto waited = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [=] {
        *waited += timer->interval();
        // A menu is a popup, not a modal widget.
        QWidget* top = QApplication::activePopupWidget();
        if (!qobject_cast<T*>(top))
            top = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<T*>(top)) {
            timer->stop();
            timer->deleteLater();
            answer(dialog);
            *answered = true;
        } else if (*waited > timeoutMs) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
    return answered;
}

// Finds a child widget by object name, failing the test when it is missing.
template <typename T> T* Child(QObject* parent, const char* name)
{
    T* child = parent->findChild<T*>(QString::fromLatin1(name));
    if (!child)
        qFatal("no child named %s", name);
    return child;
}

// Answers every message box that opens while it lives: OK where there is
// one, otherwise the question's answer given (No unless set). Keeps their
// texts and icons in order, and lets a test look around while a box is up.
class MessageBoxAnswerer
{
public:
    MessageBoxAnswerer()
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            m_texts.append(box->text());
            m_icons.append(box->icon());
            if (m_onBox)
                m_onBox(box);
            QAbstractButton* ok = box->button(QMessageBox::Ok);
            (ok ? ok : box->button(m_answer))->click();
        });
        m_timer.start();
    }
    const QStringList& Texts() const { return m_texts; }
    const QList<QMessageBox::Icon>& Icons() const { return m_icons; }
    void Clear()
    {
        m_texts.clear();
        m_icons.clear();
    }
    void AnswerQuestionsWith(QMessageBox::StandardButton answer) { m_answer = answer; }
    std::function<void(QMessageBox*)> m_onBox; // called before the box is answered

private:
    QTimer m_timer;
    QStringList m_texts;
    QList<QMessageBox::Icon> m_icons;
    QMessageBox::StandardButton m_answer = QMessageBox::No;
};
