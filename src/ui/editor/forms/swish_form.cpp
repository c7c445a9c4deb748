#include <QLabel>

#include "content/payload_encoding.h"
#include "ui/editor/forms/content_forms.h"

namespace vostrel {

namespace {

class SwishForm : public RecordForm<ContentType::swish> {
  public:
    explicit SwishForm(QWidget* parent)
        : RecordForm(ContentType::swish, tr("Scan, swish, done — one chirp closer to coffee"),
                     parent) {
        QLineEdit* payee = makeLineEdit(tr("070-123 45 67 or 1231234567"));
        setAccessibleText(payee, {tr("Swish number"), tr("Mobile number for Swish Privat or a "
                                                         "merchant number for Swish Handel")});
        QLabel* encodedAs = makeCaption({}, 0.75);
        addGroup(tr("Swish Number"), payee, encodedAs);
        bindText(payee, &SwishContent::payee);
        onShow([encodedAs](const SwishContent& record) {
            encodedAs->setVisible(!record.payee.isEmpty());
            encodedAs->setText(tr("Will encode as ") + normalizedPayee(record.payee));
        });

        QLineEdit* amount = makeLineEdit(tr("Optional, e.g. 100 or 99.50"));
        setAccessibleText(amount, {tr("Amount in Swedish kronor"), {}});
        addGroup(tr("Amount (SEK)"), amount);
        bindText(amount, &SwishContent::amount);

        // The limit of 70 is advice from the payment app; longer text is kept and encoded.
        QLineEdit* message = makeLineEdit(tr("Optional, max 70 characters"));
        setAccessibleText(message, {tr("Swish message"), {}});
        addGroup(tr("Message"), message);
        bindText(message, &SwishContent::message);

        addToggle(tr("Let payer edit amount"),
                  tr("Allows the payer to choose or change the amount in the Swish app"),
                  &SwishContent::amountEditable);
        addToggle(tr("Let payer edit message"),
                  tr("Allows the payer to choose or change the message in the Swish app"),
                  &SwishContent::messageEditable);
    }

  private:
    void addToggle(const QString& text, const QString& hint, bool SwishContent::*member) {
        QCheckBox* toggle = makeToggle(text);
        setAccessibleText(toggle, {{}, hint});
        addControl(toggle);
        bindToggle(toggle, member);
    }
};

}  // namespace

ContentForm* makeSwishForm(QWidget* parent) {
    return new SwishForm(parent);
}

}  // namespace vostrel
