#include <QComboBox>
#include <QFormLayout>

#include "ui/editor/forms/content_forms.h"

namespace vostrel {

namespace {

class WiFiForm : public RecordForm<ContentType::wifi> {
  public:
    explicit WiFiForm(QWidget* parent)
        : RecordForm(ContentType::wifi, tr("Guests scan to hop on — no password fumbling"),
                     parent) {
        QLineEdit* ssid = makeLineEdit(tr("Network name"));
        addGroup(tr("SSID"), ssid);
        bindText(ssid, &WiFiContent::ssid);

        // Shown for every security type: an open network keeps its password, it is only left
        // out of the code.
        QLineEdit* password = makeLineEdit(QStringLiteral("••••••••"));
        password->setEchoMode(QLineEdit::Password);
        password->setClearButtonEnabled(false);
        setAccessibleText(password, {tr("WiFi password"), {}});
        addGroup(tr("Password"), password);
        bindText(password, &WiFiContent::password);

        addSecurityPicker();

        QCheckBox* hidden = makeToggle(tr("Hidden Network"));
        setAccessibleText(hidden, {tr("Hidden network"),
                                   tr("Enable if the WiFi network does not broadcast its name")});
        addControl(hidden);
        bindToggle(hidden, &WiFiContent::hidden);
    }

  private:
    void addSecurityPicker() {
        auto* picker = new QComboBox;
        for (const WiFiAuthType type : allCases<WiFiAuthType>()) {
            picker->addItem(rawValue(type), QVariant::fromValue(int(type)));
        }
        setAccessibleText(picker, {tr("WiFi security type"), {}});
        auto* row = new QWidget;
        auto* layout = new QFormLayout(row);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addRow(tr("Security"), picker);
        addControl(row);
        connect(picker, &QComboBox::currentIndexChanged, this, [this, picker](int index) {
            picker->setAccessibleDescription(picker->itemText(index));
            edit([&](WiFiContent& record) {
                record.authType = allCases<WiFiAuthType>()[std::size_t(index)];
            });
        });
        onShow(
            [picker](const WiFiContent& record) { picker->setCurrentIndex(int(record.authType)); });
    }
};

}  // namespace

ContentForm* makeWiFiForm(QWidget* parent) {
    return new WiFiForm(parent);
}

}  // namespace vostrel
