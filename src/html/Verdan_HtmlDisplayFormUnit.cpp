#include "html/Verdan_HtmlDisplayFormUnit.h"

#include "foundation/KR_Colors.h"
#include "foundation/KR_Graph.h"
#include "foundation/Kr_grabt.h"
#include "html/Kr_htmlv.h"

#include <QPushButton>

namespace {

TKR_GradButton* SilverButton(QWidget* parent, const QString& name, const QString& caption,
                             const QRect& geometry)
{
    auto* button = new TKR_GradButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->SetGradColor(DelphiColor(clSilver));
    return button;
}

} // namespace

TVerdan_HtmlDisplayForm::TVerdan_HtmlDisplayForm(QWidget* owner) : TKR_HtmlDisplayForm(owner)
{
    setWindowTitle(QStringLiteral("Verdan_HtmlDisplayForm"));
    const QColor white = DelphiColor(clWhite);

    KR_Panel1->SetBevelOuter(TKR_Bevel::None);
    KR_Panel1->SetColor(white);
    KR_Panel1->hide();
    Drucken->hide();
    Kopieren->hide();

    KR_Panel2->SetColor(white);
    Kopieren2 = SilverButton(KR_Panel2, QStringLiteral("Kopieren2"), QStringLiteral("Kopieren"),
                             QRect(4, 4, 75, 23));
    connect(Kopieren2, &TKR_GradButton::clicked, this, &TKR_HtmlDisplayForm::KopierenClick);

    KR_Panel4->SetBevelOuter(TKR_Bevel::None);
    KR_Panel4->SetColor(white);
    KR_Panel4->resize(185, KR_Panel4->height());
    KR_GradButton6 = SilverButton(KR_Panel4, QStringLiteral("KR_GradButton6"),
                                  QStringLiteral("Schließen"), QRect(86, 4, 92, 23));
    connect(KR_GradButton6, &TKR_GradButton::clicked, this, &TKR_HtmlDisplayForm::SchliessenClick);
    Schliessen->hide();

    KR_Panel3->SetColor(white);
    HTMLViewer->SetBorderStyle(TKR_HtmlBorderStyle::Single);
}
