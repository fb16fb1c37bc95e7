#include "WidgetFactory.h"

#include "ButtonBinding.h"
#include "ContainerBinding.h"
#include "DBGridWidget.h"
#include "EditBinding.h"
#include "ImageBinding.h"
#include "LabelBinding.h"
#include "NavigatorBinding.h"
#include "PageControlBinding.h"
#include "ProgressBinding.h"
#include "RadioBinding.h"
#include "ScreenWindow.h"

#include "TDBGrid.h"
#include "TDBNavigator.h"
#include "TEdit.h"
#include "TGroupBox.h"
#include "TImage.h"
#include "TLabel.h"
#include "TPageControl.h"
#include "TPanel.h"
#include "TProgressBar.h"
#include "TRadioButton.h"
#include "TSpeedButton.h"
#include "TTabSheet.h"

namespace WidgetFactory {

namespace {

// The binding of a control of a kind with a widget of its own, else nullptr.
ControlBinding* Bind(TControl& control, QWidget& parent, ScreenWindow& window) {
    if (auto* edit = dynamic_cast<TEdit*>(&control)) return new EditBinding(*edit, parent, window);
    if (auto* label = dynamic_cast<TLabel*>(&control)) return new LabelBinding(*label, parent, window);
    if (auto* button = dynamic_cast<TSpeedButton*>(&control)) return new ButtonBinding(*button, parent, window);
    if (auto* radio = dynamic_cast<TRadioButton*>(&control)) return new RadioBinding(*radio, parent, window);
    if (auto* pages = dynamic_cast<TPageControl*>(&control)) return new PageControlBinding(*pages, parent, window);
    if (auto* image = dynamic_cast<TImage*>(&control)) return new ImageBinding(*image, parent, window);
    if (auto* bar = dynamic_cast<TProgressBar*>(&control)) return new ProgressBinding(*bar, parent, window);
    if (auto* navigator = dynamic_cast<TDBNavigator*>(&control)) return new NavigatorBinding(*navigator, parent, window);
    if (auto* group = dynamic_cast<TGroupBox*>(&control)) return ContainerBinding::GroupBox(*group, parent, window);
    if (auto* panel = dynamic_cast<TPanel*>(&control)) return ContainerBinding::Panel(*panel, parent, window);
    if (auto* sheet = dynamic_cast<TTabSheet*>(&control)) return ContainerBinding::Page(*sheet, parent, window);
    return ContainerBinding::Plain(control, parent, window);
}

}  // namespace

QWidget* Create(TControl& control, QWidget& parent, ScreenWindow& window) {
    // The grid's view shows its in-place editor itself.
    if (auto* grid = dynamic_cast<TDBGrid*>(&control)) {
        auto* view = new DBGridWidget(*grid, &parent);
        window.Register(control, *view, nullptr);
        return view;
    }
    ControlBinding* binding = Bind(control, parent, window);
    QWidget& widget = *binding->Widget();
    window.Register(control, widget, binding);
    if (auto* container = dynamic_cast<TWinControl*>(&control))
        for (TControl* child : container->Controls()) Create(*child, *binding->ChildArea(*child), window);
    binding->ApplyAll();
    return &widget;
}

}  // namespace WidgetFactory
