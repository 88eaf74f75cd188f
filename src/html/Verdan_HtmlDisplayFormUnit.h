#pragma once

#include "html/kr_htmlD.h"

class TKR_GradButton;

// The display window in the product's look: white and flat, with silver gradient buttons
// "Kopieren" and "Schließen" at the bottom; printing stays in the popup menu.
class TVerdan_HtmlDisplayForm : public TKR_HtmlDisplayForm
{
    Q_OBJECT

public:
    explicit TVerdan_HtmlDisplayForm(QWidget* owner);

    TKR_GradButton* Kopieren2 = nullptr;
    TKR_GradButton* KR_GradButton6 = nullptr;
};
