// The forms whose fields are all plain text: web address, text, phone, e-mail, SMS and contact.

#include "ui/editor/forms/content_forms.h"

namespace vostrel {

namespace {

class URLForm : public RecordForm<ContentType::url> {
  public:
    explicit URLForm(QWidget* parent)
        : RecordForm(ContentType::url, tr("One scan, straight to the page — no typing marathon"),
                     parent) {
        QLineEdit* url = makeLineEdit(QStringLiteral("https://example.com"));
        setAccessibleText(url, {tr("URL"), tr("Enter the URL to encode in the QR code")});
        addGroup(tr("URL"), url);
        bindText(url, &URLContent::url);
    }
};

class TextForm : public RecordForm<ContentType::text> {
  public:
    explicit TextForm(QWidget* parent)
        : RecordForm(ContentType::text, tr("Your message, pocket-sized — scan and read"), parent) {
        QPlainTextEdit* text = makeTextEditor(120);
        setAccessibleText(text,
                          {tr("Text content"), tr("Enter the text to encode in the QR code")});
        addControl(text);
        bindText(text);
    }
};

class PhoneForm : public RecordForm<ContentType::phone> {
  public:
    explicit PhoneForm(QWidget* parent)
        : RecordForm(ContentType::phone, tr("Scan, tap, ringing — three steps to a conversation"),
                     parent) {
        QLineEdit* number = makeLineEdit(QStringLiteral("+1 555 0100"));
        addGroup(tr("Number"), number);
        bindText(number);
    }
};

class EmailForm : public RecordForm<ContentType::email> {
  public:
    explicit EmailForm(QWidget* parent)
        : RecordForm(ContentType::email, tr("Pre-addressed and ready to chirp — just hit send"),
                     parent) {
        QLineEdit* address = makeLineEdit(QStringLiteral("hello@example.com"));
        QLineEdit* subject = makeLineEdit(tr("Meeting follow-up"));
        QPlainTextEdit* body = makeTextEditor(80);
        setAccessibleText(body, {tr("Email body"), tr("Enter the body text of the email")});
        addGroup(tr("Address"), address);
        addGroup(tr("Subject"), subject);
        addGroup(tr("Body"), body);
        bindText(address, &EmailContent::address);
        bindText(subject, &EmailContent::subject);
        bindText(body, &EmailContent::body);
    }
};

class SMSForm : public RecordForm<ContentType::sms> {
  public:
    explicit SMSForm(QWidget* parent)
        : RecordForm(ContentType::sms, tr("Text pre-loaded and ready to fly"), parent) {
        QLineEdit* number = makeLineEdit(QStringLiteral("+1 555 0100"));
        QPlainTextEdit* message = makeTextEditor(80);
        setAccessibleText(message, {tr("SMS message"), tr("Enter the text message content")});
        addGroup(tr("Number"), number);
        addGroup(tr("Message"), message);
        bindText(number, &SMSContent::number);
        bindText(message, &SMSContent::message);
    }
};

class ContactForm : public RecordForm<ContentType::contact> {
  public:
    explicit ContactForm(QWidget* parent)
        : RecordForm(ContentType::contact, tr("Scan to save — beats swapping business cards"),
                     parent) {
        addField(tr("First Name"), QStringLiteral("Jane"), &ContactContent::firstName);
        addField(tr("Last Name"), QStringLiteral("Appleseed"), &ContactContent::lastName);
        addField(tr("Organization"), QStringLiteral("Acme Inc."), &ContactContent::organization);
        addField(tr("Phone"), QStringLiteral("+1 555 0100"), &ContactContent::phone);
        addField(tr("Email"), QStringLiteral("jane@example.com"), &ContactContent::email);
        addField(tr("URL"), QStringLiteral("https://example.com"), &ContactContent::url);
    }

  private:
    void addField(const QString& caption, const QString& placeholder,
                  QString ContactContent::*member) {
        QLineEdit* field = makeLineEdit(placeholder);
        addGroup(caption, field);
        bindText(field, member);
    }
};

}  // namespace

ContentForm* makeURLForm(QWidget* parent) {
    return new URLForm(parent);
}

ContentForm* makeTextForm(QWidget* parent) {
    return new TextForm(parent);
}

ContentForm* makePhoneForm(QWidget* parent) {
    return new PhoneForm(parent);
}

ContentForm* makeEmailForm(QWidget* parent) {
    return new EmailForm(parent);
}

ContentForm* makeSMSForm(QWidget* parent) {
    return new SMSForm(parent);
}

ContentForm* makeContactForm(QWidget* parent) {
    return new ContactForm(parent);
}

}  // namespace vostrel
