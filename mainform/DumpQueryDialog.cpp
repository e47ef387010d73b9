#include "DumpQueryDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

namespace hexlume {

DumpQueryDialog::DumpQueryDialog(Mode mode, QWidget* parent)
    : QDialog(parent), m_text(new QLineEdit(this)), m_message(new QLabel(this))
{
    const bool find = mode == Mode::Find;
    setObjectName(find ? QStringLiteral("dlgFind") : QStringLiteral("dlgGoTo"));
    setWindowTitle(find ? tr("Find") : tr("Go to offset"));
    m_text->setObjectName(QStringLiteral("edtQuery"));
    m_message->setObjectName(QStringLiteral("lblQueryMessage"));
    m_message->setWordWrap(true);
    m_message->setMinimumWidth(320);

    auto* form = new QFormLayout;
    if (find) {
        m_text->setPlaceholderText(tr("42 4D ?? 00"));
        m_kind = new QComboBox(this);
        m_kind->setObjectName(QStringLiteral("cmbQueryKind"));
        m_kind->addItems({tr("Hex bytes (?? for any byte)"), tr("Text")});
        connect(m_kind, &QComboBox::currentIndexChanged, this, [this](int kind) {
            m_text->setPlaceholderText(kind == 0 ? tr("42 4D ?? 00") : tr("text as typed"));
        });
        form->addRow(tr("Find:"), m_text);
        form->addRow(tr("As:"), m_kind);
    } else {
        m_text->setPlaceholderText(tr("1086, 0x43E, +16 or -16 from the lit byte"));
        form->addRow(tr("Offset:"), m_text);
    }

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* main = buttons->addButton(find ? tr("Find &next") : tr("&Go"), QDialogButtonBox::AcceptRole);
    main->setDefault(true);
    connect(main, &QPushButton::clicked, this, [this] { emit Asked(1); });
    if (find) {
        QPushButton* previous = buttons->addButton(tr("Find &previous"), QDialogButtonBox::ActionRole);
        previous->setAutoDefault(false);
        connect(previous, &QPushButton::clicked, this, [this] { emit Asked(-1); });
        // The main window's keys for the next and previous match work here too.
        connect(new QShortcut(Qt::Key_F3, this), &QShortcut::activated, this, [this] { emit Asked(1); });
        connect(new QShortcut(Qt::SHIFT | Qt::Key_F3, this), &QShortcut::activated, this, [this] { emit Asked(-1); });
    }
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_message);
    layout->addWidget(buttons);
}

QString DumpQueryDialog::Text() const
{
    return m_text->text();
}

bool DumpQueryDialog::FindsText() const
{
    return m_kind != nullptr && m_kind->currentIndex() == 1;
}

void DumpQueryDialog::Say(const QString& sentence, bool error)
{
    QPalette palette = m_message->palette();
    palette.setColor(QPalette::WindowText, error ? QColor(0xB0, 0x00, 0x20) : this->palette().color(QPalette::WindowText));
    m_message->setPalette(palette);
    m_message->setText(sentence);
    if (error) {
        m_text->setFocus();
        m_text->selectAll();
    }
}

void DumpQueryDialog::Open()
{
    if (!m_placed && parentWidget() != nullptr) {
        m_placed = true;
        PlaceBesideOwner();
    }
    show();
    raise();
    activateWindow();
    m_text->setFocus();
    m_text->selectAll();
}

// Centred over the window it would hide the very bytes it finds: above the window when the screen
// has room there, else below it, else over its left-hand tables.
void DumpQueryDialog::PlaceBesideOwner()
{
    adjustSize();
    const QRect owner = parentWidget()->window()->frameGeometry();
    const QRect screen = parentWidget()->screen() != nullptr ? parentWidget()->screen()->availableGeometry() : QRect();
    const QSize size = frameGeometry().size();
    for (const QPoint at : {QPoint(owner.left(), owner.top() - size.height() - 8), QPoint(owner.left(), owner.bottom() + 8)}) {
        if (screen.contains(QRect(at, size))) {
            move(at);
            return;
        }
    }
    move(owner.left() + 4, owner.top() + 139);
}

}  // namespace hexlume
