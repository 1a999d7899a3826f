#include "frmAbout.h"

#include "HelpLinks.h"
#include "SystemInfo.h"
#include "common/AppInfo.h"
#include "common/ProgramIcon.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

// Pixels at 96 dots per inch (a design in twips divided by 15).
constexpr QSize clientSize(382, 258);
constexpr QRect iconPlace(16, 16, 32, 32);
constexpr QRect titlePlace(70, 16, 300, 22);
constexpr QRect versionPlace(70, 44, 300, 18);
constexpr QRect descriptionPlace(21, 66, 303, 120);
constexpr QRect greyLinePlace(5, 187, 372, 1);
constexpr QRect whiteLinePlace(5, 188, 372, 1);
constexpr QRect disclaimerPlace(9, 199, 250, 52);
constexpr QRect okPlace(267, 199, 100, 23);
constexpr QRect sysInfoPlace(268, 229, 100, 23);

QFrame* addLine(QWidget* parent, const QRect& place, const QColor& colour)
{
    auto* line = new QFrame(parent);
    line->setGeometry(place);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, colour);
    line->setPalette(palette);
    return line;
}

} // namespace

frmAbout::frmAbout(Platform& platform, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      m_platform(platform)
{
    setObjectName(u"frmAbout"_s);
    setWindowTitle(tr("关于我的应用程序"));
    setFixedSize(clientSize);
    createControls();
    load();
}

frmAbout::~frmAbout() = default;

void frmAbout::createControls()
{
    picIcon = new QLabel(this);
    picIcon->setObjectName(u"picIcon"_s);
    picIcon->setGeometry(iconPlace);
    picIcon->setPixmap(ProgramIcon().pixmap(iconPlace.size(), devicePixelRatio()));
    picIcon->setAccessibleName(tr("程序图标"));

    lblTitle = new QLabel(tr("应用程序标题"), this);
    lblTitle->setObjectName(u"lblTitle"_s);
    lblTitle->setGeometry(titlePlace);
    QFont titleFont = lblTitle->font();
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);

    lblVersion = new QLabel(tr("版本"), this);
    lblVersion->setObjectName(u"lblVersion"_s);
    lblVersion->setGeometry(versionPlace);

    lblDescription = new QLabel(this);
    lblDescription->setObjectName(u"lblDescription"_s);
    lblDescription->setGeometry(descriptionPlace);
    lblDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblDescription->setWordWrap(true);
    lblDescription->setTextFormat(Qt::PlainText);
    lblDescription->setText(tr("Morvel软件 出品\n"
                               "网站：%1\n"
                               "联系我们：%1/contact.htm\n"
                               "电子邮件：support@morvelsoft.com\n"
                               "欢迎提出意见和建议，也可为您定制软件。")
                                .arg(HelpLinks::makerSite));
    lblDescription->setTextInteractionFlags(Qt::TextSelectableByMouse);

    addLine(this, greyLinePlace, QColor(0x80, 0x80, 0x80));
    addLine(this, whiteLinePlace, Qt::white);

    lblDisclaimer = new QLabel(this);
    lblDisclaimer->setObjectName(u"lblDisclaimer"_s);
    lblDisclaimer->setGeometry(disclaimerPlace);
    lblDisclaimer->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblDisclaimer->setWordWrap(true);
    lblDisclaimer->setText(tr("警告：本软件按“原样”提供，不附带任何明示或暗示的担保。"
                              "请在修改前备份重要的文件夹。"));

    cmdOK = new QPushButton(tr("确定"), this);
    cmdOK->setObjectName(u"cmdOK"_s);
    cmdOK->setGeometry(okPlace);
    cmdOK->setDefault(true); // Enter; Esc rejects the dialog in any case

    cmdSysInfo = new QPushButton(tr("系统信息(&S)..."), this);
    cmdSysInfo->setObjectName(u"cmdSysInfo"_s);
    cmdSysInfo->setGeometry(sysInfoPlace);
    cmdSysInfo->setAutoDefault(false);

    setTabOrder(cmdOK, cmdSysInfo);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::openSystemInformation);
    cmdOK->setFocus();
}

void frmAbout::load()
{
    setWindowTitle(tr("关于 ") + AppInfo::title());
    lblVersion->setText(tr("版本 ") + AppInfo::versionString());
    lblTitle->setText(AppInfo::title());
}

void frmAbout::openSystemInformation()
{
    StartSysInfo(m_platform.viewer, m_platform.shell, m_platform.messageBoxes);
}
