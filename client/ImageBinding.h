#pragma once
// A platform image (TImage) as a QLabel holding its picture, stretched or centred as the image
// says; a change of the picture in place shows once the image is invalidated.
#include "ControlBinding.h"

class QLabel;
class TImage;

class ImageBinding : public ControlBinding {
public:
    ImageBinding(TImage& image, QWidget& parent, ScreenWindow& window);

    void ControlChanged(TControl& control, TControlChange change) override;

protected:
    void ApplyState() override;
    void ApplyColours() override {}  // only the picture shows

private:
    TImage& Image() const;
    QLabel& View() const;
};
