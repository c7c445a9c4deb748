#pragma once

#include <QFuture>
#include <QString>
#include <QStringList>
#include <map>
#include <optional>

#include "common/expected.h"
#include "companions/mascot_clip.h"
#include "scene3d/gltf_scene.h"

namespace vostrel {

// Finding and reading the mascot's models: "VostrelMascot-" + the clip's raw value + ".glb",
// looked up first at the top of the resources, then in "Mascot/".
namespace Mascot3DAssets {

struct LoadError {
    enum class Kind {
        missingResource,   // in neither place
        missingAnimation,  // a model without animations
        unreadableModel,   // there, but not a glTF model this reader understands
    };
    Kind kind = Kind::missingResource;
    QString name;    // the resource name
    QString detail;  // what the reader said, for unreadable models

    bool operator==(const LoadError&) const = default;
};

using Models = std::map<MascotClip, GltfScene>;

QString resourceName(MascotClip clip);

// Where the application looks: ":/" and ":/Mascot".
QStringList defaultSearchRoots();

// The first existing file for the clip under the roots, in order.
std::optional<QString> findResource(MascotClip clip, const QStringList& roots);

// Reads every clip's model, in the order of allCases, on the thread pool; the first failure ends
// the load.
QFuture<Expected<Models, LoadError>> loadAll(const QStringList& roots = defaultSearchRoots());

}  // namespace Mascot3DAssets

}  // namespace vostrel
