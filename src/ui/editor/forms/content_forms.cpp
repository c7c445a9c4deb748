#include "ui/editor/forms/content_forms.h"

namespace vostrel {

ContentForm* makeContentForm(ContentType kind, QWidget* parent) {
    switch (kind) {
        case ContentType::url:
            return makeURLForm(parent);
        case ContentType::text:
            return makeTextForm(parent);
        case ContentType::wifi:
            return makeWiFiForm(parent);
        case ContentType::contact:
            return makeContactForm(parent);
        case ContentType::email:
            return makeEmailForm(parent);
        case ContentType::phone:
            return makePhoneForm(parent);
        case ContentType::sms:
            return makeSMSForm(parent);
        case ContentType::location:
            return makeLocationForm(parent);
        case ContentType::calendar:
            return makeCalendarForm(parent);
        case ContentType::swish:
            return makeSwishForm(parent);
    }
    return nullptr;
}

}  // namespace vostrel
