#include "fontdialog/fontsizekeys.h"

#include "fontdialog/savedfont.h"
#include "prefs/displayfont.h"

#include <QAction>
#include <QWheelEvent>
#include <QWidget>

namespace {

// One notch of a common mouse wheel; finer wheels add up to it.
constexpr int kWheelNotch = 120;

} // namespace

FontSizeKeys::FontSizeKeys(const Commands& commands, prefs::DisplayFont& font,
                           MessageBoxes& messages)
    : m_font(font)
    , m_messages(messages) {
    connect(commands.biggerText, &QAction::triggered, this, [this] { step(1); });
    connect(commands.smallerText, &QAction::triggered, this, [this] { step(-1); });
    connect(commands.normalSize, &QAction::triggered, this, &FontSizeKeys::backToStart);
    commands.wheelArea->installEventFilter(this);
}

void FontSizeKeys::step(int step) {
    show(m_steps.step(m_font.pointSize(), step));
}

void FontSizeKeys::backToStart() {
    show(m_steps.backToStart(m_font.pointSize()));
}

void FontSizeKeys::show(std::optional<double> points) {
    if (!points)
        return;
    if (const FileSystem::Result saved = m_font.chooseSize(*points); !saved.ok)
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
