#pragma once
// A message for the user as one entry of the translation catalogue: its Spanish pattern, which
// is the entry's identifier, and what goes into its %1, %2... The pure code builds messages
// without knowing the interface language; the window and vagaris-cli translate the pattern
// whole and put the values back in, so that a translation may reorder them.
#include <stdexcept>
#include <string>
#include <vector>

#include "core/Words.h"

namespace vagaris {

class Message {
public:
    // `pattern` with `values` (paths, numbers: never translated) in %1, %2... and then `texts`
    // (messages of their own, such as a reason, translated with it) in the placeholders after
    // them. The pattern must outlive the message: a literal.
    explicit Message(const char* pattern, std::vector<std::string> values = {},
                     std::vector<Message> texts = {});

    const char* pattern() const { return pattern_; }
    const std::vector<std::string>& values() const { return values_; }
    const std::vector<Message>& texts() const { return texts_; }

    // The message in the language of `words`: Spanish by default, byte for byte as written.
    std::string text(Words words = SpanishWords) const;

    friend bool operator==(const Message& a, const Message& b);

private:
    const char* pattern_;
    std::vector<std::string> values_;
    std::vector<Message> texts_;
};

// An error that carries its message: what() is the Spanish text, message() lets the interface
// translate it whole.
class EMessage : public std::runtime_error {
public:
    explicit EMessage(Message message);
    const Message& message() const { return message_; }

private:
    Message message_;
};

// What an error says in the language of `words`: an EMessage's message translated whole (also
// when another error type wraps it with std::throw_with_nested), any other error's text looked
// up as it is (the fixed texts are entries under their own words).
std::string ErrorText(const std::exception& error, Words words = SpanishWords);

}  // namespace vagaris
