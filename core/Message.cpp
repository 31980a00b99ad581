#include "core/Message.h"

#include <cstring>
#include <exception>
#include <utility>

namespace vagaris {

Message::Message(const char* pattern, std::vector<std::string> values, std::vector<Message> texts)
    : pattern_(pattern), values_(std::move(values)), texts_(std::move(texts)) {}

std::string Message::text(Words words) const {
    std::vector<std::string> args = values_;
    for (const Message& part : texts_) args.push_back(part.text(words));
    return FillPattern(words(pattern_), args);
}

bool operator==(const Message& a, const Message& b) {
    return std::strcmp(a.pattern_, b.pattern_) == 0 && a.values_ == b.values_ &&
           a.texts_ == b.texts_;
}

EMessage::EMessage(Message message)
    : std::runtime_error(message.text()), message_(std::move(message)) {}

std::string ErrorText(const std::exception& error, Words words) {
    if (const auto* carried = dynamic_cast<const EMessage*>(&error))
        return carried->message().text(words);
    // An error of another type wrapped around a message (std::throw_with_nested): the message.
    if (const auto* wrapper = dynamic_cast<const std::nested_exception*>(&error);
        wrapper && wrapper->nested_ptr()) {
        try {
            std::rethrow_exception(wrapper->nested_ptr());
        } catch (const std::exception& inner) {
            return ErrorText(inner, words);
        } catch (...) {
        }
    }
    return words(error.what());
}

}  // namespace vagaris
