#include "render3d/scene_shaders.h"

namespace vostrel::SceneShaders {

// Lighting runs per vertex: on Mesa's software rasteriser every value passed from the vertex to
// the fragment stage is stored per triangle and interpolated per pixel, so one colour instead of a
// position, a normal and texture coordinates makes a frame several times cheaper. Module faces
// are flat and lit by distant lights, so they look the same either way; rounded corners keep
// their shading through the normals of their vertices.
const char* const litVertex = R"(#version 330 core
const int maxLights = 8;
layout(location = 0) in vec3 position;
layout(location = 1) in vec3 normal;
layout(location = 2) in mat4 world;
layout(location = 6) in mat3 normalWorld;
uniform mat4 viewProjection;
uniform vec4 baseColor;        // gamma-encoded, straight alpha
uniform float roughness;
uniform float metallic;
uniform float ambient;
uniform vec3 cameraPosition;
uniform int lightCount;
uniform vec3 lightPosition[maxLights];
uniform vec3 lightDirection[maxLights];
uniform vec3 lightRadiance[maxLights];
uniform vec4 lightSpot[maxLights]; // is spot, cos inner, cos outer, attenuation radius
out vec4 shade;

// Gamma 2 rather than the sRGB curve: within a few levels of it, and a square and a square root
// cost far less than pow() on a software rasteriser.
vec3 toLinear(vec3 c) { return c * c; }
vec3 toGamma(vec3 c) { return sqrt(clamp(c, 0.0, 1.0)); }

vec3 lightAt(int i, vec3 at, vec3 n, vec3 viewDirection, vec3 albedo) {
    vec3 toLight = -lightDirection[i];
    float strength = 1.0;
    if (lightSpot[i].x > 0.5) {
        vec3 offset = lightPosition[i] - at;
        float distance = length(offset);
        toLight = offset / distance;
        float cone = dot(-toLight, lightDirection[i]);
        strength = smoothstep(lightSpot[i].z, lightSpot[i].y, cone);
        strength *= clamp(1.0 - distance / lightSpot[i].w, 0.0, 1.0);
    }
    float diffuse = max(dot(n, toLight), 0.0);
    vec3 halfway = normalize(toLight + viewDirection);
    float shininess = mix(96.0, 4.0, roughness);
    float specular = pow(max(dot(n, halfway), 0.0), shininess) * (1.0 - roughness) * 0.3;
    vec3 specularColor = mix(vec3(1.0), albedo, metallic);
    return lightRadiance[i] * strength * (albedo * diffuse * (1.0 - metallic) +
                                          specularColor * specular * diffuse);
}

// The even light of the surroundings mirrored by the surface, weakly where it faces the viewer
// and strongly at grazing angles (Schlick's Fresnel term): it gives dark materials, which
// diffuse light hardly shows, the grey edges that tell their sides from their tops.
vec3 environmentReflection(vec3 n, vec3 viewDirection, vec3 albedo) {
    float grazing = 1.0 - max(dot(n, viewDirection), 0.0);
    float grazing2 = grazing * grazing;
    float fresnel = 0.04 + 0.96 * grazing2 * grazing2 * grazing;
    vec3 reflectance = mix(vec3(fresnel), albedo, metallic);
    return ambient * reflectance * (1.0 - 0.5 * roughness);
}

void main() {
    vec4 placed = world * vec4(position, 1.0);
    vec3 n = normalize(normalWorld * normal);
    vec3 viewDirection = normalize(cameraPosition - placed.xyz);
    vec3 albedo = toLinear(baseColor.rgb);
    vec3 light = albedo * ambient + environmentReflection(n, viewDirection, albedo);
    for (int i = 0; i < lightCount; ++i) light += lightAt(i, placed.xyz, n, viewDirection, albedo);
    shade = vec4(toGamma(light), baseColor.a);
    gl_Position = viewProjection * placed;
}
)";

const char* const litFragment = R"(#version 330 core
in vec4 shade;
out vec4 fragmentColor;
void main() { fragmentColor = shade; }
)";

const char* const unlitVertex = R"(#version 330 core
layout(location = 0) in vec3 position;
layout(location = 2) in mat4 world;
uniform mat4 viewProjection;
uniform vec4 textureFrame; // min x, max y, width, height of the mesh
out vec2 textureCoordinate;
void main() {
    textureCoordinate = vec2((position.x - textureFrame.x) / textureFrame.z,
                             (textureFrame.y - position.y) / textureFrame.w);
    gl_Position = viewProjection * (world * vec4(position, 1.0));
}
)";

const char* const unlitFragment = R"(#version 330 core
in vec2 textureCoordinate;
uniform vec4 baseColor;        // straight alpha
uniform bool textured;
uniform sampler2D picture;
out vec4 fragmentColor;
void main() {
    fragmentColor = textured ? baseColor * texture(picture, textureCoordinate) : baseColor;
}
)";

}  // namespace vostrel::SceneShaders
