#pragma once

#include <QRadioButton>

// An option button whose caption has a gap for text boxes laid over it: the caption is
// "<start><spaces><end>", and <end> is drawn from a given x, whatever the font's spaces.
// text() stays the whole caption, for screen readers and for the keyboard's access keys.
class SplitCaptionRadioButton : public QRadioButton
{
    Q_OBJECT

public:
    SplitCaptionRadioButton(const QString& start, int spaces, const QString& end, int endX,
                            QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_start;
    QString m_end;
    int m_endX;
};
