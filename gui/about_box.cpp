// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/about_box.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/dialogs.h"
#include "gui/user_settings.h"
#include "gui/web_links.h"
#include "render/chakra_emblem.h"

namespace vellamor {
namespace {

class EmblemPicture final : public QWidget {
  public:
    explicit EmblemPicture(QWidget* parent) : QWidget(parent) { setFixedSize(112, 112); }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        PaintChakraEmblem(painter, QRectF(rect()).adjusted(4, 4, -4, -4));
    }
};

}  // namespace

std::unique_ptr<QDialog> CreateAboutBox(QWidget* parent) {
    auto box = std::make_unique<QDialog>(parent);
    box->setObjectName("frmAbout");
    box->setWindowTitle(kAppTitle);
    box->setWindowIcon(ChakraEmblemIcon());
    box->setModal(true);

    auto* picture = new EmblemPicture(box.get());
    picture->setObjectName("picIcon");

    auto* title = new QLabel(kAppTitle, box.get());
    title->setObjectName("lblTitle");
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    title->setFont(titleFont);

    auto* description =
        new QLabel(QCoreApplication::translate("vellamor::AboutBox", kAboutDescription), box.get());
    description->setObjectName("lblDescription");
    description->setWordWrap(true);
    description->setFixedWidth(340);

    // The small print: the licence and the data's credits, in a smaller
    // type under the description.
    QFont smallFont = description->font();
    smallFont.setPointSizeF(smallFont.pointSizeF() * 0.85);
    auto* licence =
        new QLabel(QCoreApplication::translate("vellamor::AboutBox", kAboutLicence), box.get());
    licence->setObjectName("lblLicence");
    auto* credits =
        new QLabel(QCoreApplication::translate("vellamor::AboutBox", kAboutCredits) + " " +
                       QCoreApplication::translate("vellamor::AboutBox", kAboutEphemerisCredit),
                   box.get());
    credits->setObjectName("lblCredits");
    for (QLabel* label : {licence, credits}) {
        label->setWordWrap(true);
        label->setFixedWidth(340);
        label->setFont(smallFont);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }

    auto* separator = new QFrame(box.get());
    separator->setObjectName("Line1");
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);

    auto* link = new QLabel(
        QStringLiteral("<a href=\"home\">%1</a>")
            .arg(QCoreApplication::translate("vellamor::AboutBox", "Visit the Vellamor web site")
                     .toHtmlEscaped()),
        box.get());
    link->setObjectName("lblHomePage");
    link->setTextFormat(Qt::RichText);
    link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    link->setOpenExternalLinks(false);
    link->setToolTip(WebPageAddress(*OpenUserSettings(), WebPage::Home).toString());
    QObject::connect(link, &QLabel::linkActivated, link, [] { OpenHomePage(); });

    auto* ok = new QPushButton(QCoreApplication::translate("vellamor::AboutBox", "OK"), box.get());
    ok->setObjectName("cmdOK");
    ok->setDefault(true);
    ok->setMinimumWidth(96);
    QObject::connect(ok, &QPushButton::clicked, box.get(), &QDialog::accept);

    auto* text = new QVBoxLayout;
    text->setSpacing(10);
    text->addWidget(title);
    text->addWidget(description);
    text->addWidget(licence);
    text->addWidget(credits);
    text->addStretch();

    auto* top = new QHBoxLayout;
    top->setSpacing(18);
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addLayout(text);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(link);
    bottom->addStretch();
    bottom->addWidget(ok);

    auto* layout = new QVBoxLayout(box.get());
    layout->setContentsMargins(20, 20, 20, 16);
    layout->setSpacing(14);
    layout->addLayout(top);
    layout->addWidget(separator);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ok->setFocus();
    return box;
}

void ShowAboutBox(QWidget* parent) {
    std::unique_ptr<QDialog> box = CreateAboutBox(parent);
    box->exec();
}

}  // namespace vellamor
