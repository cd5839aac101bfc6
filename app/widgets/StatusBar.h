#pragma once
// The window's status bar: four panels side by side. Panels 0 and 2 show
// text; panels 1 and 3 are drawn by the owner (drawPanel), which places the
// port indicator and the progress bar over them.

#include "FramePacer.h"

#include <QRect>
#include <QString>
#include <QWidget>

#include <array>

class QLabel;

inline constexpr int kStatusPanelCount = 4;
inline constexpr std::array<int, kStatusPanelCount - 1> kStatusPanelWidths{100, 50, 200};
// Space between the bar's top edge and the panels.
inline constexpr int kStatusPanelTop = 2;

// Panel rectangles of a bar `width` x `height`; the last panel takes the rest.
std::array<QRect, kStatusPanelCount> StatusPanelRects(int width, int height);

class StatusBar : public QWidget {
    Q_OBJECT

public:
    explicit StatusBar(QWidget* parent = nullptr);

    // The text last written, which is shown with the next frame.
    QString PanelText(int index) const;
    void SetPanelText(int index, const QString& text);
    // Whether every text written is on screen (or on its way with this repaint).
    bool TextsShown() const { return !m_frame.Pending(); }
    QRect PanelRect(int index) const;

signals:
    // Asks the owner to draw panel `index` (1 or 3) inside `rect`.
    void drawPanel(int index, const QRect& rect);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    static bool IsOwnerDrawn(int index) { return index == 1 || index == 3; }
    void PlacePanels();
    void ShowWrittenTexts();

    std::array<QLabel*, kStatusPanelCount> m_panels{};
    std::array<QString, kStatusPanelCount> m_texts;
    FramePacer m_frame;
};
