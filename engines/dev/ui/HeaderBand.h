// The band at the top of a selector screen: the brand's gradient, its mark,
// the selector's name and the product it belongs to.
#pragma once

#include "dev/core/Branding.h"

#include <QWidget>

class QLabel;

namespace vantor::devengine {

class HeaderBand final : public QWidget {
public:
    HeaderBand(const Branding& branding, const QString& title, const QString& badgeText, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Branding branding_;
};

} // namespace vantor::devengine
