#pragma once
// A dialog service for tests: records every message and answers from a
// script, falling back to the cautious answer when the script runs out.

#include "platform/win/CDialogService.h"

#include <deque>
#include <functional>
#include <vector>

class ScriptedDialogs final : public CDialogService {
public:
    struct Message {
        CString text;
        CString caption;
        UINT type;
    };

    ScriptedDialogs() : m_previous(CDialogService::Install(this)) {}
    ~ScriptedDialogs() override { CDialogService::Install(m_previous); }
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    void Answer(int answer) { m_answers.push_back(answer); }
    // The file the next open dialog gives; none cancels it.
    void AnswerOpenFile(const QString& path) { m_openFiles.push_back(path); }
    // The file the next save dialog gives; none cancels it.
    void AnswerSaveFile(const QString& path) { m_saveFiles.push_back(path); }
    // The state the check box of the next question with one is left in.
    void AnswerCheck(BOOL checked) { m_checks.push_back(checked); }
    // What the next modal dialog does: the script fills it in and returns
    // its result. Without one, a dialog is rejected.
    void AnswerDialog(std::function<int(QDialog&)> script) {
        m_dialogScripts.push_back(std::move(script));
    }
    int DialogsShown() const { return m_dialogsShown; }

    int RunModal(QDialog& dialog) override {
        ++m_dialogsShown;
        if (m_dialogScripts.empty())
            return 0;
        auto script = std::move(m_dialogScripts.front());
        m_dialogScripts.pop_front();
        return script(dialog);
    }

    struct OpenRequest {
        QString folder;
        QString filters;
    };
    const std::vector<OpenRequest>& OpenRequests() const { return m_openRequests; }
    const std::vector<Message>& Messages() const { return m_messages; }

    int MessageBox(const CString& text, const CString& caption, UINT type) override {
        m_messages.push_back({text, caption, type});
        if (m_answers.empty())
            return CautiousAnswer(type);
        int answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }

    int MessageBoxWithCheck(const CString& text, const CString& checkText, const CString& caption,
                            UINT type, BOOL* checked) override {
        *checked = FALSE;
        if (!m_checks.empty()) {
            *checked = m_checks.front();
            m_checks.pop_front();
        }
        m_checkTexts.push_back(checkText);
        return MessageBox(text, caption, type);
    }
    const std::vector<CString>& CheckTexts() const { return m_checkTexts; }

    QString GetSaveFileName(const QString& path, const QString& filters) override {
        m_saveRequests.push_back({path, filters});
        if (m_saveFiles.empty())
            return QString();
        QString chosen = m_saveFiles.front();
        m_saveFiles.pop_front();
        return chosen;
    }
    const std::vector<OpenRequest>& SaveRequests() const { return m_saveRequests; }

    QString GetOpenFileName(const QString& folder, const QString& filters) override {
        m_openRequests.push_back({folder, filters});
        if (m_openFiles.empty())
            return QString();
        QString path = m_openFiles.front();
        m_openFiles.pop_front();
        return path;
    }

    // Whether the next shell open starts a program; it does unless told.
    void AnswerShellOpen(bool started) { m_shellAnswers.push_back(started); }
    const std::vector<QString>& ShellOpens() const { return m_shellOpens; }
    bool OpenWithShell(const QString& path) override {
        m_shellOpens.push_back(path);
        if (m_shellAnswers.empty())
            return true;
        const bool started = m_shellAnswers.front();
        m_shellAnswers.pop_front();
        return started;
    }

private:
    CDialogService* m_previous;
    std::deque<bool> m_shellAnswers;
    std::vector<QString> m_shellOpens;
    std::deque<std::function<int(QDialog&)>> m_dialogScripts;
    int m_dialogsShown = 0;
    std::deque<QString> m_openFiles;
    std::deque<QString> m_saveFiles;
    std::vector<OpenRequest> m_saveRequests;
    std::deque<BOOL> m_checks;
    std::vector<CString> m_checkTexts;
    std::vector<OpenRequest> m_openRequests;
    std::deque<int> m_answers;
    std::vector<Message> m_messages;
};
