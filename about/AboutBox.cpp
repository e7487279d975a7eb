#include "AboutBox.h"

#include "text/ProgramTitle.h"

#include <QLabel>
#include <QVBoxLayout>

namespace verbalia {

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    Product_Name_Label = new QLabel(this);
    Product_Name_Label->setObjectName(QStringLiteral("Product_Name_Label"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Product_Name_Label);
}

void TAboutBox::setTexts()
{
    setWindowTitle(QStringLiteral("About %1 ...").arg(QString::fromLatin1(programTitle)));
    Product_Name_Label->setText(QString::fromLatin1(programTitle));
    setToolTip(QString());
}

} // namespace verbalia
