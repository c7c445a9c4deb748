#include "render3d/scene_shaders.h"

namespace vostrel::SceneShaders {

const char* const vertex = R"(#version 330 core
layout(location = 0) in vec3 position;
layout(location = 1) in vec3 normal;
layout(location = 2) in mat4 world;
layout(location = 6) in mat3 normalWorld;
uniform mat4 viewProjection;
uniform vec4 textureFrame; // min x, max y, width, height of the mesh
out vec3 worldPosition;
out vec3 worldNormal;
out vec2 textureCoordinate;
void main() {
    vec4 placed = world * vec4(position, 1.0);
    worldPosition = placed.xyz;
    worldNormal = normalWorld * normal;
    textureCoordinate = vec2((position.x - textureFrame.x) / textureFrame.z,
                             (textureFrame.y - position.y) / textureFrame.w);
    gl_Position = viewProjection * placed;
}
)";

const char* const fragment = R"(#version 330 core
const int maxLights = 8;
in vec3 worldPosition;
in vec3 worldNormal;
in vec2 textureCoordinate;
uniform vec4 baseColor;        // gamma-encoded, straight alpha
uniform bool lit;
uniform bool textured;
uniform sampler2D picture;
uniform float roughness;
uniform float metallic;
uniform float ambient;
uniform vec3 cameraPosition;
uniform int lightCount;
uniform vec3 lightPosition[maxLights];
uniform vec3 lightDirection[maxLights];
uniform vec3 lightRadiance[maxLights];
uniform vec4 lightSpot[maxLights]; // is spot, cos inner, cos outer, attenuation radius
out vec4 fragmentColor;

// Gamma 2 rather than the sRGB curve: within a few levels of it, and a square and a square root
// cost far less than pow() on a software rasteriser.
vec3 toLinear(vec3 c) { return c * c; }
vec3 toGamma(vec3 c) { return sqrt(clamp(c, 0.0, 1.0)); }

vec3 lightAt(int i, vec3 n, vec3 viewDirection, vec3 albedo) {
    vec3 toLight = -lightDirection[i];
    float strength = 1.0;
    if (lightSpot[i].x > 0.5) {
        vec3 offset = lightPosition[i] - worldPosition;
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

void main() {
    vec4 color = baseColor;
    if (textured) color *= texture(picture, textureCoordinate);
    if (!lit) {
        fragmentColor = color;
        return;
    }
    vec3 albedo = toLinear(color.rgb);
    vec3 n = normalize(worldNormal);
    if (!gl_FrontFacing) n = -n;
    vec3 viewDirection = normalize(cameraPosition - worldPosition);
    vec3 light = albedo * ambient;
    for (int i = 0; i < lightCount; ++i) light += lightAt(i, n, viewDirection, albedo);
    fragmentColor = vec4(toGamma(light), color.a);
}
)";

}  // namespace vostrel::SceneShaders
