#pragma once

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QJsonDocument>
#include <QTest>
#include <QWidget>
#include <ostream>

#include "render/qr_style.h"

namespace vostrel {

// Style mismatches print as their JSON, which names the field that differs.
inline void PrintTo(const QRStyle& style, std::ostream* out) {
    QJsonObject json = style.toJson();
    if (json.contains(QStringLiteral("logoOverlay"))) {
        QJsonObject logo = json[QStringLiteral("logoOverlay")].toObject();
        logo[QStringLiteral("imageData")] = QStringLiteral("…");
        json[QStringLiteral("logoOverlay")] = logo;
    }
    *out << QJsonDocument(json).toJson(QJsonDocument::Compact).toStdString();
}

}  // namespace vostrel

namespace vostrel::testing {

// The widget of type T under `root` that assistive technology knows by `name` (its accessible
// name, or for a button without one its text).
template <class T = QWidget>
T* findByName(const QWidget* root, const QString& name) {
    for (T* widget : root->findChildren<T*>()) {
        const QAccessibleInterface* element = QAccessible::queryAccessibleInterface(widget);
        if (element && element->text(QAccessible::Name) == name) return widget;
    }
    return nullptr;
}

// Writes `bytes` to a new file at `path` (an empty file without them) and gives back the path.
inline QString writeFile(const QString& path, const QByteArray& bytes = {}) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
    return path;
}

// The visible top-level dialog of type T, once it has appeared.
template <class T>
T* waitForDialog() {
    T* found = nullptr;
    (void)QTest::qWaitFor([&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<T*>(widget); dialog && dialog->isVisible())
                found = dialog;
        }
        return found != nullptr;
    });
    return found;
}

// Answers the file dialog that is showing (or about to show) with `path`, as if the user had
// typed it and pressed the accept button. False when no dialog appeared.
inline bool chooseInFileDialog(const QString& path) {
    auto* dialog = waitForDialog<QFileDialog>();
    if (!dialog) return false;
    dialog->selectFile(path);
    static_cast<QDialog*>(dialog)->accept();  // QFileDialog hides its override
    return true;
}

}  // namespace vostrel::testing
