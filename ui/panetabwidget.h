// A tab widget that can tell what its pane shows: a group box on one of its pages lies on the
// pane, and is opaque where the pane shows one colour along each row beneath it.
#pragma once

#include <QRgb>
#include <QTabWidget>

#include <vector>

class TPaneTabWidget : public QTabWidget
{
    Q_OBJECT

public:
    using QTabWidget::QTabWidget;

    // The colours of the pane under Rect (the tab widget's coordinates), drawn over the box the
    // tab widget lies on, one for each row of device pixels; empty unless that box is opaque
    // and each of those rows is of one colour.
    std::vector<QRgb> RowsUnder(const QRect &Rect) const;
    // Numbers the pane's looks: what lies on it was drawn over the one so numbered.
    quint64 PaneNumber() const;

protected:
    // A change of size, style or palette may change the pane.
    void resizeEvent(QResizeEvent *Event) override;
    void changeEvent(QEvent *Event) override;

private:
    // The pane as the tab widget paints it.
    void PaintPane(QPainter &Painter) const;
    quint64 FChanges = 0; // counts them
};
