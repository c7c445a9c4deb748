#pragma once

#include <gtest/gtest.h>
#include <tiny_gltf.h>

#include <QFile>
#include <QTemporaryDir>

#include "common/raw_enum.h"
#include "companions/mascot3d_assets.h"

// Model folders for the mascot's loading tests, made from the bundled models.
namespace vostrel::testing {

inline QString bundledModel(MascotClip clip) {
    return QStringLiteral(":/Mascot/%1.glb").arg(Mascot3DAssets::resourceName(clip));
}

// Copies every bundled model but `left` (none when empty) into `folder`.
inline void copyModelsBut(const QString& folder, std::optional<MascotClip> left = {}) {
    for (MascotClip clip : allCases<MascotClip>()) {
        if (clip == left) continue;
        const QString name = Mascot3DAssets::resourceName(clip) + ".glb";
        ASSERT_TRUE(QFile::copy(bundledModel(clip), folder + "/" + name)) << name.toStdString();
    }
}

// Writes the bundled model of `clip` to `path` again with tinygltf, without its animations.
inline void writeModelWithoutAnimations(MascotClip clip, const QString& path) {
    QFile source(bundledModel(clip));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QByteArray bytes = source.readAll();
    tinygltf::TinyGLTF gltf;
    tinygltf::Model model;
    std::string error, warning;
    ASSERT_TRUE(gltf.LoadBinaryFromMemory(&model, &error, &warning,
                                          reinterpret_cast<const unsigned char*>(bytes.data()),
                                          unsigned(bytes.size())));
    model.animations.clear();
    ASSERT_TRUE(gltf.WriteGltfSceneToFile(&model, path.toStdString(), false, true, false, true));
}

}  // namespace vostrel::testing
