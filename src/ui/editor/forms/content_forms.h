#pragma once

#include "ui/editor/forms/content_form.h"

namespace vostrel {

// The form that edits content of `kind`.
ContentForm* makeContentForm(ContentType kind, QWidget* parent = nullptr);

// One per kind, each in its own file.
ContentForm* makeURLForm(QWidget* parent);
ContentForm* makeTextForm(QWidget* parent);
ContentForm* makeWiFiForm(QWidget* parent);
ContentForm* makeContactForm(QWidget* parent);
ContentForm* makeEmailForm(QWidget* parent);
ContentForm* makePhoneForm(QWidget* parent);
ContentForm* makeSMSForm(QWidget* parent);
ContentForm* makeLocationForm(QWidget* parent);
ContentForm* makeCalendarForm(QWidget* parent);
ContentForm* makeSwishForm(QWidget* parent);

}  // namespace vostrel
