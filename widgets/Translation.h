#pragma once

#include "primitives/Message.h"

#include <QLocale>
#include <QString>

// The window's language: one at a time, the whole window. The program's texts and Qt's own
// buttons and dialogs are translated together.
namespace hexlume {

enum class Language { Chinese, English };

// English for an English locale ("en_US", "en_GB", …); Chinese for every other, and for none.
Language LanguageFor(const QLocale& locale);

// Installs the program's and Qt's translations for the language in place of any before; false
// when the program's own could not be loaded (the window then speaks its source texts).
bool UseLanguage(Language language);
// The texts as the sources write them, Chinese base texts beside English ones, an English plural
// in the form for its count; Qt's own in English. What the program falls back to without its
// translations, and what most window tests read.
void UseSourceTexts();

// A library's message in the window's language.
QString Say(const Message& message);

}  // namespace hexlume
