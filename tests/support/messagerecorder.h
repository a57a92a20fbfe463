#pragma once

#include "platform/messagebox.h"

#include <vector>

// Records the message boxes that would have been shown.
class MessageRecorder {
public:
    MessageRecorder()
        : m_previous(platform::setMessageSink(
              [this](const platform::Message& message) { messages.push_back(message); }))
    {
    }
    ~MessageRecorder() { platform::setMessageSink(m_previous); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    std::vector<platform::Message> messages;

private:
    platform::MessageSink m_previous;
};
