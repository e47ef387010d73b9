// Each language's window speaks only that language: a damaged bitmap opened in the main window,
// the Findings, Picture, Fields and help windows, the tall-dump question in Qt's own message box
// and the open dialog, every visible text read back.

#include "WindowTestSupport.h"
#include "fqform/FQForm.h"
#include "platform/QtPlatform.h"
#include "widgets/Translation.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTreeView>

#include <set>

namespace hexlume {
namespace {

constexpr const char* kFileName = "damaged.bmp";

// Where each text was read, for a readable failure.
struct Text {
    QString where;
    QString text;
};

class Texts {
public:
    // Every text a reader can see in the window and its children: titles, labels, buttons, line
    // edits, memos, menus and actions with their tooltips and shortcuts, list headers and, where
    // `items`, every item of a list or table with its tooltip.
    void Read(QWidget* window, bool items)
    {
        Add(window, window->windowTitle());
        Add(window, window->toolTip());
        ReadActions(window, window->actions());
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (!widget->isVisibleTo(window))
                continue;
            Add(widget, widget->toolTip());
            ReadActions(widget, widget->actions());
            if (auto* label = qobject_cast<QLabel*>(widget))
                Add(widget, label->text());
            else if (auto* button = qobject_cast<QAbstractButton*>(widget))
                Add(widget, button->text());
            else if (auto* memo = qobject_cast<QPlainTextEdit*>(widget))
                Add(widget, memo->toPlainText());
            else if (auto* line = qobject_cast<QLineEdit*>(widget); line != nullptr && items)
                Add(widget, line->text() + u'\n' + line->placeholderText());
            else if (auto* combo = qobject_cast<QComboBox*>(widget); combo != nullptr && widget->objectName() != u"lookInCombo")
                for (int index = 0; index < combo->count(); ++index)
                    Add(widget, combo->itemText(index) + u'\n' + combo->itemData(index, Qt::ToolTipRole).toString());
            else if (auto* view = qobject_cast<QAbstractItemView*>(widget); view != nullptr && !qobject_cast<QHeaderView*>(widget))
                ReadModel(widget, view->model(), items);
        }
    }
    void Add(const QObject* where, const QString& text)
    {
        if (!text.trimmed().isEmpty())
            m_texts.push_back({where->objectName().isEmpty() ? QString::fromLatin1(where->metaObject()->className())
                                                             : where->objectName(),
                               text});
    }
    const std::vector<Text>& All() const { return m_texts; }

private:
    void ReadActions(const QObject* where, const QList<QAction*>& actions)
    {
        for (const QAction* action : actions) {
            Add(where, action->text());
            Add(where, action->toolTip());
            Add(where, action->shortcut().toString(QKeySequence::NativeText));
            if (action->menu() != nullptr)
                ReadActions(action->menu(), action->menu()->actions());
        }
    }
    void ReadModel(const QWidget* where, const QAbstractItemModel* model, bool items)
    {
        if (model == nullptr)
            return;
        for (int column = 0; column < model->columnCount(); ++column)
            Add(where, model->headerData(column, Qt::Horizontal).toString());
        if (items)
            ReadItems(where, model, QModelIndex());
    }
    void ReadItems(const QWidget* where, const QAbstractItemModel* model, const QModelIndex& parent)
    {
        for (int row = 0; row < model->rowCount(parent); ++row)
            for (int column = 0; column < model->columnCount(parent); ++column) {
                const QModelIndex index = model->index(row, column, parent);
                Add(where, index.data(Qt::DisplayRole).toString());
                Add(where, index.data(Qt::ToolTipRole).toString());
                if (column == 0)
                    ReadItems(where, model, index);
            }
    }

    std::vector<Text> m_texts;
};

// English words the Chinese window keeps: the base's own English texts (the stored layouts'
// captions and menu items, the dump's region captions, the grid titles, the status bar's type
// words), key names and the opened file's name.
const std::set<QString>& KeptEnglish()
{
    static const std::set<QString> kept{
        // The base's English texts.
        QStringLiteral("Bitmap"), QStringLiteral("File"), QStringLiteral("Info"), QStringLiteral("Header"),
        QStringLiteral("palette"), QStringLiteral("data"), QStringLiteral("dosn"), QStringLiteral("has"),
        QStringLiteral("Type"), QStringLiteral("Value"), QStringLiteral("Preview"), QStringLiteral("Start"),
        QStringLiteral("here"), QStringLiteral("Open"), QStringLiteral("Contact"), QStringLiteral("Hexlume"),
        QStringLiteral("Bmp"), QStringLiteral("Unknown"), QStringLiteral("Data"),
        // Key names, as Qt writes them in every language.
        QStringLiteral("Ctrl"), QStringLiteral("Shift"), QStringLiteral("Alt"), QStringLiteral("Home"),
        QStringLiteral("End"), QStringLiteral("Enter"), QStringLiteral("Escape"), QStringLiteral("Esc"),
        QStringLiteral("PgUp"), QStringLiteral("PgDown"),
        // A unit Chinese writes as English does.
        QStringLiteral("dpi"),
        // The opened file's name.
        QStringLiteral("damaged"), QStringLiteral("bmp")};
    return kept;
}

// A word of English prose: lower case, or capitalised; not a field name (biWidth, bfType: lower
// case then upper), a constant or hex value (upper case and digits), a finding code (words joined
// by hyphens: bad-planes), nor a lone letter.
bool IsEnglishWord(const QString& token)
{
    static const QRegularExpression prose(QStringLiteral("^[A-Za-z]?[a-z]+$"));
    return token.size() >= 2 && prose.match(token).hasMatch() && !KeptEnglish().contains(token);
}

// What a text has of the other language: Han characters in the English window, English words
// in the Chinese one.
QStringList Foreign(const QString& text, Language language)
{
    QStringList foreign;
    if (language == Language::English) {
        static const QRegularExpression han(QStringLiteral("\\p{Han}+"));
        for (const QRegularExpressionMatch& match : han.globalMatch(text))
            foreign << match.captured();
    } else {
        // Addresses (the help window's web page and mail) are no words of either language.
        static const QRegularExpression address(QStringLiteral("\\S+@\\S+|https?://\\S+"));
        static const QRegularExpression token(QStringLiteral("[A-Za-z0-9_]+(-[A-Za-z0-9_]+)*"));
        for (const QRegularExpressionMatch& match : token.globalMatch(QString(text).remove(address)))
            if (IsEnglishWord(match.captured()))
                foreign << match.captured();
    }
    return foreign;
}

class LanguageTest : public ::testing::TestWithParam<Language> {
protected:
    void TearDown() override
    {
        UseSourceTexts();
        QDir::setCurrent(initialFolder);
    }
    const QString initialFolder = QDir::currentPath();
    testing::TempDir dir;
};

TEST_P(LanguageTest, EveryWindowShowsOnlyItsLanguage)
{
    const Language language = GetParam();
    ASSERT_TRUE(UseLanguage(language)) << "the program's translations are compiled in";
    QDir::setCurrent(Q(dir.path()));

    // Planes 2 (an error), a colour count past the palette, and a dump too tall to show whole.
    BitmapFields fields;
    fields.width = 128;
    fields.height = 300;
    fields.bitCount = 8;
    fields.planes = 2;
    fields.clrUsed = 300;
    fields.palette = CountingBytes(1024);
    fields.pixels = CountingBytes(128 * 300);
    const QString path = QString::fromStdString(dir.Write(kFileName, BuildBitmap(fields)));

    ScriptedPlatform platform;
    TMainForm form{platform};
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    platform.openAnswers << path;
    form.OpenPicture();
    ASSERT_EQ(platform.errors, QStringList());
    ASSERT_EQ(platform.questions.size(), 1) << "the tall dump asks whether to export";

    Texts texts;
    texts.Read(&form, true);
    QTest::keyClick(&form, Qt::Key_F8);
    QTest::keyClick(&form, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(&form, Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
    for (const char* name : {"FindingsWindow", "PictureWindow", "FieldsWindow"}) {
        auto* window = form.findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(window, nullptr) << name;
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window)) << name;
        texts.Read(window, true);
    }
    for (QMenu* menu : form.findChildren<QMenu*>())
        texts.Read(menu, true);

    TFQForm help(platform, &form, Qt::white);
    help.show();
    texts.Read(&help, true);

    // Qt's own buttons and dialogs speak the window's language too.
    const QString question = platform.questions.constFirst();
    const std::unique_ptr<QMessageBox> yesNo = YesNoBox(&form, question.section(u'\n', 0, 0), question.section(u'\n', 1));
    const std::unique_ptr<QMessageBox> unsaved = UnsavedBox(&form, question.section(u'\n', 1));
    const std::unique_ptr<QFileDialog> open = OpenPictureDialog(&form, Q(dir.path()));
    for (QWidget* dialog : std::initializer_list<QWidget*>{yesNo.get(), unsaved.get(), open.get()}) {
        dialog->setWindowModality(Qt::NonModal);
        dialog->show();
        texts.Read(dialog, false);
        dialog->hide();
    }
    const auto closeAll = qScopeGuard([&] { form.close(); });

    int flagged = 0;
    for (const Text& text : texts.All()) {
        const QStringList foreign = Foreign(text.text, language);
        if (!foreign.isEmpty() && ++flagged <= 200)
            ADD_FAILURE() << text.where.toStdString() << ": " << foreign.join(u' ').toStdString() << "\n  in: "
                          << text.text.left(300).toStdString();
    }
    EXPECT_EQ(flagged, 0);
    EXPECT_GT(texts.All().size(), 300u) << "every window was read";
}

INSTANTIATE_TEST_SUITE_P(, LanguageTest, ::testing::Values(Language::Chinese, Language::English),
                         [](const ::testing::TestParamInfo<Language>& info) {
                             return info.param == Language::Chinese ? "Chinese" : "English";
                         });

}  // namespace
}  // namespace hexlume
