#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A sentence the program says, kept as an English template and its arguments rather than as
// finished text, so that the window can say it in the reader's language while the libraries that
// build it stay free of Qt. The command line reads the English.
//
// Templates are written where they are said, through HX_TR (or HX_TR_N when the sentence has a
// count), which the translation tools collect: %1 to %9 stand for the arguments, %n for the
// count. An English plural is written in the template itself, "%n row(s)" or "%n (entry|entries)",
// the first form for exactly one.
namespace hexlume {

struct MessageTemplate {
    const char* context;
    const char* text;
    bool counted;
};

#define HX_TR(context, text) (::hexlume::MessageTemplate{context, text, false})
#define HX_TR_N(context, text) (::hexlume::MessageTemplate{context, text, true})

// Decimal with the thousands set apart by a space: "9 286", "1 048 576", as every text writes a number.
inline std::string GroupedDigits(std::uint64_t value)
{
    const std::string digits = std::to_string(value);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i != 0 && (digits.size() - i) % 3 == 0)
            grouped += ' ';
        grouped += digits[i];
    }
    return grouped;
}

class Message {
public:
    // The translated template for a context and English text, chosen for the count when there is
    // one; nullopt where the language keeps the English.
    using Lookup = std::function<std::optional<std::string>(const char* context, const char* text,
                                                            std::optional<std::uint64_t> count)>;

    Message() = default;
    Message(MessageTemplate said) : m_context(said.context), m_text(said.text), m_counted(said.counted) {}
    // Words no language changes: a field's name, a number, a file's name, a code.
    static Message Verbatim(std::string text)
    {
        Message message;
        message.m_text = std::move(text);
        return message;
    }
    // Messages said one after the other, as one text.
    static Message Joined(std::vector<Message> parts)
    {
        Message message;
        message.m_joined = true;
        message.m_args = std::move(parts);
        return message;
    }

    Message& Arg(Message arg) &
    {
        m_args.push_back(std::move(arg));
        return *this;
    }
    Message&& Arg(Message arg) && { return std::move(Arg(std::move(arg))); }
    Message& Arg(MessageTemplate arg) & { return Arg(Message(arg)); }
    Message&& Arg(MessageTemplate arg) && { return std::move(Arg(Message(arg))); }
    Message& Arg(std::string_view verbatim) & { return Arg(Verbatim(std::string(verbatim))); }
    Message&& Arg(std::string_view verbatim) && { return std::move(Arg(Verbatim(std::string(verbatim)))); }
    Message& Arg(const char* verbatim) & { return Arg(std::string_view(verbatim)); }
    Message&& Arg(const char* verbatim) && { return std::move(Arg(std::string_view(verbatim))); }
    Message& Arg(const std::string& verbatim) & { return Arg(std::string_view(verbatim)); }
    Message&& Arg(const std::string& verbatim) && { return std::move(Arg(std::string_view(verbatim))); }
    // A number as every text writes it, grouped: "9 286".
    Message& Number(std::uint64_t value) & { return Arg(GroupedDigits(value)); }
    Message&& Number(std::uint64_t value) && { return std::move(Number(value)); }
    // The count that %n stands for and that chooses the plural form.
    Message& Count(std::uint64_t count) &
    {
        m_count = count;
        return *this;
    }
    Message&& Count(std::uint64_t count) && { return std::move(Count(count)); }
    // The first letter upper-cased once said, for a part that opens a sentence ("pixel (3, 0)" → "Pixel (3, 0)").
    Message& Capitalised() &
    {
        m_capitalised = true;
        return *this;
    }
    Message&& Capitalised() && { return std::move(Capitalised()); }

    bool Empty() const { return m_context == nullptr && !m_joined && m_text.empty(); }

    // The message in English, as the command line prints it.
    std::string English() const { return Said({}); }

    // The message with every template looked up first; English where the lookup has none.
    std::string Said(const Lookup& lookup) const
    {
        std::string said;
        if (m_joined) {
            for (const Message& part : m_args)
                said += part.Said(lookup);
        } else if (m_context == nullptr) {
            said = m_text;
        } else {
            std::optional<std::string> translated;
            if (lookup)
                translated = lookup(m_context, m_text.c_str(), m_counted ? m_count : std::nullopt);
            said = Filled(translated ? *translated : EnglishForm(m_text, m_counted && m_count == 1u), lookup);
        }
        if (m_capitalised && !said.empty() && said[0] >= 'a' && said[0] <= 'z')
            said[0] = static_cast<char>(said[0] - 'a' + 'A');
        return said;
    }

    bool operator==(const Message&) const = default;
    // Against English words, as the command line prints them and the tests read them.
    friend bool operator==(const Message& message, std::string_view english) { return message.English() == english; }
    friend std::ostream& operator<<(std::ostream& out, const Message& message) { return out << message.English(); }

private:
    // "(s)" and "(one|many)" resolved to the form for one or for any other count.
    static std::string EnglishForm(std::string_view text, bool one)
    {
        std::string form;
        std::size_t at = 0;
        while (at < text.size()) {
            const std::size_t open = text.find('(', at);
            const std::size_t close = open == std::string_view::npos ? open : text.find(')', open);
            if (close == std::string_view::npos) {
                form += text.substr(at);
                break;
            }
            const std::string_view inside = text.substr(open + 1, close - open - 1);
            const std::size_t bar = inside.find('|');
            form += text.substr(at, open - at);
            if (inside == "s")
                form += one ? "" : "s";
            else if (bar != std::string_view::npos)
                form += one ? inside.substr(0, bar) : inside.substr(bar + 1);
            else
                form += text.substr(open, close - open + 1);
            at = close + 1;
        }
        return form;
    }

    // %1 to %9 and %n replaced in one pass, so an argument's own text is never read as a marker.
    std::string Filled(std::string_view text, const Lookup& lookup) const
    {
        std::string filled;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const char next = i + 1 < text.size() ? text[i + 1] : '\0';
            if (text[i] == '%' && next >= '1' && next <= '9' &&
                static_cast<std::size_t>(next - '1') < m_args.size()) {
                filled += m_args[static_cast<std::size_t>(next - '1')].Said(lookup);
                ++i;
            } else if (text[i] == '%' && next == 'n' && m_count) {
                filled += GroupedDigits(*m_count);
                ++i;
            } else {
                filled += text[i];
            }
        }
        return filled;
    }

    const char* m_context = nullptr;  // null for verbatim words and joined parts
    std::string m_text;
    bool m_counted = false;
    bool m_joined = false;
    bool m_capitalised = false;
    std::optional<std::uint64_t> m_count;
    std::vector<Message> m_args;
};

}  // namespace hexlume
