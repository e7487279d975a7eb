#pragma once

#include <ostream>
#include <string>

namespace verbalia {

// The four kinds of modal message box; each is titled with its kind's name.
enum class MessageKind { Information, Warning, Error, Confirm };

enum class Answer { Yes, No, Cancel };

// Modal message boxes. Texts are 8-bit in the system code page.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    // A box with one OK button.
    virtual void show(MessageKind kind, const std::string& text) = 0;

    // A box with the buttons "&Yes" and "&No", the one given the default (Yes
    // unless a question's safe answer is No); Escape answers No.
    virtual Answer ask(MessageKind kind, const std::string& text, Answer defaultAnswer = Answer::Yes) = 0;

    // A box with the buttons "&Yes", "&No" and "Cancel", Yes the default;
    // Escape answers Cancel.
    virtual Answer askOrCancel(MessageKind kind, const std::string& text) = 0;
};

// The messages of a close no one waits on (a signal, the end of the
// session): each goes to the stream given, in UTF-8; no question is put to
// anyone, so each takes the answer that changes nothing (No, or Cancel).
class UnattendedMessages final : public MessageBoxes {
public:
    explicit UnattendedMessages(std::ostream& out) : m_out(out) {}
    void show(MessageKind kind, const std::string& text) override;
    Answer ask(MessageKind, const std::string&, Answer) override { return Answer::No; }
    Answer askOrCancel(MessageKind, const std::string&) override { return Answer::Cancel; }

private:
    std::ostream& m_out;
};

const char* messageTitle(MessageKind kind);

} // namespace verbalia
