#include "StatusBar.h"

#include <QLabel>
#include <QPainter>

std::array<QRect, kStatusPanelCount> StatusPanelRects(int width, int height) {
    std::array<QRect, kStatusPanelCount> rects;
    const int panelHeight = height - kStatusPanelTop;
    int left = 0;
    for (std::size_t i = 0; i < kStatusPanelWidths.size(); ++i) {
        rects[i] = QRect(left, kStatusPanelTop, kStatusPanelWidths[i], panelHeight);
        left += kStatusPanelWidths[i];
    }
    rects.back() = QRect(left, kStatusPanelTop, width - left, panelHeight);
    return rects;
}

StatusBar::StatusBar(QWidget* parent) : QWidget(parent), m_frame([this] { ShowWrittenTexts(); }) {
    for (int i = 0; i < kStatusPanelCount; ++i) {
        auto* panel = new QLabel(this);
        panel->setObjectName(QStringLiteral("stat1_panel%1").arg(i));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setAlignment(i == 0 ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
        panel->setIndent(2);
        m_panels[static_cast<std::size_t>(i)] = panel;
    }
    // The text itself is the panel's accessible name, and the label announces
    // each new text, but only while no fixed name hides it.
    m_panels[2]->setAccessibleDescription(tr("Status"));
}

QString StatusBar::PanelText(int index) const {
    return m_texts.at(static_cast<std::size_t>(index));
}

// A transfer writes the status with every page and a sort with every row;
// each change of a label asks for a layout pass and a repaint, so the labels
// take the latest texts with the next frame instead.
void StatusBar::SetPanelText(int index, const QString& text) {
    m_texts.at(static_cast<std::size_t>(index)) = text;
    if (!isVisible()) // the first frame shows it anyway
        return ShowWrittenTexts();
    m_frame.Request();
}

void StatusBar::ShowWrittenTexts() {
    for (std::size_t i = 0; i < m_panels.size(); ++i)
        if (m_panels[i]->text() != m_texts[i])
            m_panels[i]->setText(m_texts[i]);
}

QRect StatusBar::PanelRect(int index) const {
    return StatusPanelRects(width(), height()).at(static_cast<std::size_t>(index));
}

void StatusBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const auto rects = StatusPanelRects(width(), height());
    for (int i = 0; i < kStatusPanelCount; ++i)
        if (IsOwnerDrawn(i))
            emit drawPanel(i, rects[static_cast<std::size_t>(i)]);
}

void StatusBar::resizeEvent(QResizeEvent*) {
    PlacePanels();
}

void StatusBar::PlacePanels() {
    const auto rects = StatusPanelRects(width(), height());
    for (int i = 0; i < kStatusPanelCount; ++i)
        m_panels[static_cast<std::size_t>(i)]->setGeometry(rects[static_cast<std::size_t>(i)]);
}
