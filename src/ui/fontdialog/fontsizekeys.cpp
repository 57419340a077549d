#include "fontdialog/fontsizekeys.h"

#include "controls/textbox.h"
#include "fontdialog/fontdialog.h"
#include "fontdialog/savedfont.h"
#include "fontdialog/setfontcommand.h"
#include "mainwindow/mainwindow.h"
#include "prefs/preferencesfile.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QWheelEvent>
#include <QWidget>

namespace {

// One notch of a common mouse wheel; finer wheels add up to it.
constexpr int kWheelNotch = 120;

} // namespace

FontSizeKeys::FontSizeKeys(MainWindow& window, SetFontCommand& setFont, Storage& storage,
                           MessageBoxes& messages)
    : m_window(window)
    , m_setFont(setFont)
    , m_storage(storage)
    , m_messages(messages) {
    const Menus& menus = window.menus();
    connect(menus.biggerText, &QAction::triggered, this, [this] { step(1); });
    connect(menus.smallerText, &QAction::triggered, this, [this] { step(-1); });
    connect(menus.normalSize, &QAction::triggered, this, &FontSizeKeys::backToStart);
    window.readingView().readingText->viewport()->installEventFilter(this);
}

double FontSizeKeys::shownSize() const {
    return m_window.readingView().readingText->font().pointSizeF(); // as in every display box
}

void FontSizeKeys::step(int step) {
    const double shown = shownSize();
    if (m_stepped != shown) // chosen in Display Fonts, or the first step
        m_start = shown;
    if (const std::optional<QString> size = prefs::steppedSize(shown, step))
        show(*size);
}

void FontSizeKeys::backToStart() {
    if (m_start && m_stepped == shownSize())
        show(QString::number(*m_start));
}

void FontSizeKeys::show(const QString& size) {
    m_stepped = size.toDouble();
    FontDialog* dialog = m_setFont.dialog();
    if (dialog && dialog->pickSize(size))
        return;
    prefs::FontRequest request;
    request.pointSize = size.toDouble();
    applyFontRequest(request, m_window.displayControls());
    if (const FileSystem::Result saved = prefs::saveSize(m_storage, size); !saved.ok)
        tellFontNotSaved(m_messages, saved.error);
}

bool FontSizeKeys::eventFilter(QObject*, QEvent* event) {
    if (event->type() != QEvent::Wheel)
        return false;
    const auto* wheel = static_cast<QWheelEvent*>(event);
    if (!(wheel->modifiers() & Qt::ControlModifier))
        return false;
    m_wheelTurn += wheel->angleDelta().y();
    for (; m_wheelTurn >= kWheelNotch; m_wheelTurn -= kWheelNotch)
        step(1);
    for (; m_wheelTurn <= -kWheelNotch; m_wheelTurn += kWheelNotch)
        step(-1);
    return true;
}
