#include "companions/mascot3d_assets.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtConcurrent/QtConcurrentRun>

namespace vostrel::Mascot3DAssets {

namespace {

Expected<GltfScene, LoadError> loadClip(MascotClip clip, const QStringList& roots) {
    const QString name = resourceName(clip);
    const std::optional<QString> path = findResource(clip, roots);
    if (!path) return unexpected(LoadError{LoadError::Kind::missingResource, name, {}});
    QFile file(*path);
    if (!file.open(QIODevice::ReadOnly)) {
        return unexpected(LoadError{LoadError::Kind::unreadableModel, name, file.errorString()});
    }
    auto scene = parseGltf(file.readAll());
    if (!scene) return unexpected(LoadError{LoadError::Kind::unreadableModel, name, scene.error()});
    if (scene->animations.empty()) {
        return unexpected(LoadError{LoadError::Kind::missingAnimation, name, {}});
    }
    return std::move(*scene);
}

}  // namespace

QString resourceName(MascotClip clip) {
    return QStringLiteral("VostrelMascot-") + rawValue(clip);
}

QStringList defaultSearchRoots() {
    return {QStringLiteral(":/"), QStringLiteral(":/Mascot")};
}

std::optional<QString> findResource(MascotClip clip, const QStringList& roots) {
    for (const QString& root : roots) {
        const QString path = QDir(root).filePath(resourceName(clip) + QStringLiteral(".glb"));
        if (QFileInfo(path).isFile()) return path;
    }
    return std::nullopt;
}

QFuture<Expected<Models, LoadError>> loadAll(const QStringList& roots) {
    return QtConcurrent::run([roots]() -> Expected<Models, LoadError> {
        Models models;
        for (MascotClip clip : allCases<MascotClip>()) {
            auto scene = loadClip(clip, roots);
            if (!scene) return unexpected(scene.error());
            models.emplace(clip, std::move(*scene));
        }
        return models;
    });
}

}  // namespace vostrel::Mascot3DAssets
