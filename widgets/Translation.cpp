#include "Translation.h"

#include "QtText.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <algorithm>
#include <memory>

namespace hexlume {

namespace {

struct Installed {
    std::unique_ptr<QTranslator> own;
    std::unique_ptr<QTranslator> qt;
    std::unique_ptr<QTranslator> source;
};

// The sources' own texts, with an English plural ("%n row(s)") said in the form for its count, as
// a library's message says it without a translation.
class SourceTexts final : public QTranslator {
public:
    QString translate(const char* context, const char* sourceText, const char* disambiguation, int n) const override
    {
        Q_UNUSED(disambiguation);
        if (n < 0 || context == nullptr || sourceText == nullptr)
            return {};
        return FromUtf8(Message(MessageTemplate{context, sourceText, true}).Count(static_cast<std::uint64_t>(n)).English());
    }
    bool isEmpty() const override { return false; }
};

Installed& Current()
{
    static Installed installed;
    return installed;
}

void Remove(std::unique_ptr<QTranslator>& translator)
{
    if (translator)
        QCoreApplication::removeTranslator(translator.get());
    translator.reset();
}

}  // namespace

Language LanguageFor(const QLocale& locale)
{
    return locale.language() == QLocale::English ? Language::English : Language::Chinese;
}

bool UseLanguage(Language language)
{
    Installed& installed = Current();
    Remove(installed.own);
    Remove(installed.qt);
    Remove(installed.source);

    const QString suffix = language == Language::English ? QStringLiteral("en") : QStringLiteral("zh_CN");
    auto own = std::make_unique<QTranslator>();
    const bool loaded = own->load(QStringLiteral(":/i18n/hexlume_") + suffix + QStringLiteral(".qm"));
    if (loaded) {
        QCoreApplication::installTranslator(own.get());
        installed.own = std::move(own);
    } else {
        UseSourceTexts();
    }
    // Qt speaks English by itself; only another language needs its buttons and dialogs translated.
    if (language != Language::English) {
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QStringLiteral("qt_") + suffix, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(qt.get());
            installed.qt = std::move(qt);
        }
    }
    return loaded;
}

void UseSourceTexts()
{
    Installed& installed = Current();
    Remove(installed.own);
    Remove(installed.qt);
    Remove(installed.source);
    installed.source = std::make_unique<SourceTexts>();
    QCoreApplication::installTranslator(installed.source.get());
}

QString Say(const Message& message)
{
    const QTranslator* own = Current().own.get();
    if (own == nullptr)
        return FromUtf8(message.English());
    // The translator's own text, not QCoreApplication::translate's, so that %n is written with
    // grouped digits as every other number.
    const auto lookup = [own](const char* context, const char* text,
                              std::optional<std::uint64_t> count) -> std::optional<std::string> {
        const int n = count ? static_cast<int>(std::min<std::uint64_t>(*count, 1'000'000'000)) : -1;
        const QString translated = own->translate(context, text, nullptr, n);
        if (translated.isEmpty())
            return std::nullopt;
        return translated.toStdString();
    };
    return FromUtf8(message.Said(lookup));
}

}  // namespace hexlume
