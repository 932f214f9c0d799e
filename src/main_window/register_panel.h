#pragma once

#include <QFrame>

class ImageControl;
class QComboBox;
class QLineEdit;
class QPushButton;
class SkinLabel;

// The registration panel: a black page of the content area on which the user names a category, a program, its
// kind, type and location, and adds it with the sphere. Its controls keep their texts for the whole run.
class RegisterPanel final : public QFrame {
    Q_OBJECT

public:
    explicit RegisterPanel(QWidget* parent = nullptr);

    // Left of lblRegister in twips from the panel's left edge; the label's pixel position follows it.
    float RegisterLeft() const { return m_registerLeft; }
    void setRegisterLeft(float twips);

    SkinLabel* const lblItamize;
    QComboBox* const cboItamize;
    SkinLabel* const lblSoftName;
    QLineEdit* const txtSoftName;
    SkinLabel* const lblSoftKind;
    QComboBox* const cboREdit;
    SkinLabel* const lblSoftType;
    QComboBox* const cboRType;
    SkinLabel* const lblSoftLocation;
    QLineEdit* const txtSoftLocation;
    QPushButton* const cmdOpen;
    ImageControl* const imgOK;
    ImageControl* const imgOKover;
    SkinLabel* const lblRegister;

signals:
    // The pointer moved over the panel's own background, not over one of its controls.
    void MouseMove();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    float m_registerLeft = 0;
};
