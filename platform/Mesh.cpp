#include "platform/Mesh.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <unordered_map>

namespace plat {

int Mesh::VertexOfSmallestX() const
{
    int best = -1;
    for (std::size_t i = 0; i < vertices.size(); ++i)
        if (best < 0 || vertices[i].position.x < vertices[std::size_t(best)].position.x)
            best = int(i);
    return best;
}

int Mesh::VertexOfSmallestZ() const
{
    int best = -1;
    for (std::size_t i = 0; i < vertices.size(); ++i)
        if (best < 0 || vertices[i].position.z < vertices[std::size_t(best)].position.z)
            best = int(i);
    return best;
}

float Mesh::SmallestZ() const
{
    int i = VertexOfSmallestZ();
    return i < 0 ? 0.0f : vertices[std::size_t(i)].position.z;
}

// ---------------------------------------------------------------- reader

namespace {

constexpr int kMaxDepth = 32;
constexpr std::size_t kMaxElements = 1u << 20;

struct Token {
    enum Kind { End, Open, Close, Separator, Word, String, Bad } kind = End;
    const char* text = nullptr;
    std::size_t length = 0;
    bool Is(const char* word) const
    {
        return kind == Word && length == std::strlen(word) && std::memcmp(text, word, length) == 0;
    }
};

class Parser {
public:
    Parser(const char* data, std::size_t size) : m_p(data), m_end(data + size) {}

    std::string error;

    bool Fail(const char* what)
    {
        if (error.empty())
            error = what;
        return false;
    }

    std::size_t Remaining() const { return std::size_t(m_end - m_p); }

    Token Next()
    {
        SkipBlank();
        Token t;
        if (m_p >= m_end)
            return t;
        const char c = *m_p;
        t.text = m_p;
        if (c == '{' || c == '}' || c == ';' || c == ',') {
            t.kind = c == '{' ? Token::Open : c == '}' ? Token::Close : Token::Separator;
            t.length = 1;
            ++m_p;
            return t;
        }
        if (c == '"') {
            const char* q = m_p + 1;
            while (q < m_end && *q != '"' && *q != '\n')
                ++q;
            if (q >= m_end || *q != '"') {
                t.kind = Token::Bad;
                m_p = m_end;
                return t;
            }
            t.kind = Token::String;
            t.text = m_p + 1;
            t.length = std::size_t(q - (m_p + 1));
            m_p = q + 1;
            return t;
        }
        if (c == '<') { // a template's identifier, only met while skipping
            const char* q = m_p;
            while (q < m_end && *q != '>')
                ++q;
            t.kind = q < m_end ? Token::Word : Token::Bad;
            t.length = std::size_t(q - m_p) + (q < m_end ? 1 : 0);
            m_p = q < m_end ? q + 1 : m_end;
            return t;
        }
        if (IsWordChar(c)) {
            const char* q = m_p;
            while (q < m_end && IsWordChar(*q))
                ++q;
            t.kind = Token::Word;
            t.length = std::size_t(q - m_p);
            m_p = q;
            return t;
        }
        t.kind = Token::Bad;
        t.length = 1;
        ++m_p;
        return t;
    }

    // The next token that is not a separator.
    Token NextValue()
    {
        Token t = Next();
        while (t.kind == Token::Separator)
            t = Next();
        return t;
    }

    bool Count(std::size_t& out, const char* what)
    {
        Token t = NextValue();
        unsigned long long v = 0;
        if (t.kind != Token::Word || !ParseUnsigned(t, v))
            return Fail(what);
        // Every element takes at least two bytes of text, so a count larger
        // than what is left can only be a lie; this also bounds what we allocate.
        if (v > kMaxElements || v > Remaining())
            return Fail(what);
        out = std::size_t(v);
        return true;
    }

    bool Index(std::size_t limit, std::uint32_t& out, const char* what)
    {
        Token t = NextValue();
        unsigned long long v = 0;
        if (t.kind != Token::Word || !ParseUnsigned(t, v) || v >= limit)
            return Fail(what);
        out = std::uint32_t(v);
        return true;
    }

    bool Float(float& out, const char* what)
    {
        Token t = NextValue();
        if (t.kind != Token::Word)
            return Fail(what);
        float v = 0;
        const char* first = t.text;
        const char* last = t.text + t.length;
        if (first < last && *first == '+')
            ++first;
        auto r = std::from_chars(first, last, v);
        if (r.ec != std::errc() || r.ptr != last || !std::isfinite(v))
            return Fail(what);
        out = v;
        return true;
    }

    bool Floats(float* out, int n, const char* what)
    {
        for (int i = 0; i < n; ++i)
            if (!Float(out[i], what))
                return false;
        return true;
    }

    // After a template's name: an optional instance name, then '{'.
    bool OpenBlock()
    {
        Token t = Next();
        if (t.kind == Token::Word)
            t = Next();
        return t.kind == Token::Open || Fail("a template without its opening brace");
    }

    // Skips to the brace closing a block whose '{' was just read.
    bool SkipBlock(int depth)
    {
        int open = 1;
        while (open > 0) {
            Token t = Next();
            // Whatever a skipped block holds only has to balance its braces.
            if (t.kind == Token::End)
                return Fail("an unfinished block");
            if (t.kind == Token::Open && ++open + depth > kMaxDepth)
                return Fail("blocks nested too deep");
            if (t.kind == Token::Close)
                --open;
        }
        return true;
    }

    // Separators may follow the last value; then the block must end.
    bool CloseBlock(const char* what)
    {
        return NextValue().kind == Token::Close || Fail(what);
    }

private:
    static bool IsWordChar(char c)
    {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == '-' ||
               c == '+' || c == '.';
    }

    static bool ParseUnsigned(const Token& t, unsigned long long& v)
    {
        auto r = std::from_chars(t.text, t.text + t.length, v);
        return r.ec == std::errc() && r.ptr == t.text + t.length;
    }

    void SkipBlank()
    {
        while (m_p < m_end) {
            const char c = *m_p;
            if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
                ++m_p;
            } else if (c == '#' || (c == '/' && m_p + 1 < m_end && m_p[1] == '/')) {
                while (m_p < m_end && *m_p != '\n')
                    ++m_p;
            } else {
                break;
            }
        }
    }

    const char* m_p;
    const char* m_end;
};

struct RawMesh {
    std::vector<Vec3> positions;
    std::vector<std::array<std::uint32_t, 3>> faces;
    bool hasNormals = false;
    std::vector<Vec3> normals;
    std::vector<std::array<std::uint32_t, 3>> normalFaces;
    bool hasCoords = false;
    std::vector<std::array<float, 2>> coords;
    bool hasMaterials = false;
    std::vector<int> faceMaterials;
    std::vector<MeshMaterial> materials;
};

bool ReadVectors(Parser& p, std::vector<Vec3>& out, const char* what)
{
    std::size_t n = 0;
    if (!p.Count(n, what))
        return false;
    out.resize(n);
    for (Vec3& v : out) {
        float f[3];
        if (!p.Floats(f, 3, what))
            return false;
        v = {f[0], f[1], f[2]};
    }
    return true;
}

bool ReadTriangles(Parser& p, std::size_t limit, std::vector<std::array<std::uint32_t, 3>>& out, const char* what)
{
    std::size_t n = 0;
    if (!p.Count(n, what))
        return false;
    out.resize(n);
    for (auto& f : out) {
        std::size_t corners = 0;
        if (!p.Count(corners, what))
            return false;
        if (corners != 3)
            return p.Fail("a face that is not a triangle");
        for (auto& i : f)
            if (!p.Index(limit, i, "a face index out of range"))
                return false;
    }
    return true;
}

bool ReadMaterial(Parser& p, MeshMaterial& out, int depth)
{
    float c[11];
    if (!p.Floats(c, 11, "a material without its colours"))
        return false;
    out.material.diffuse = {c[0], c[1], c[2], c[3]};
    out.material.power = c[4];
    out.material.specular = {c[5], c[6], c[7], 1.0f};
    out.material.emissive = {c[8], c[9], c[10], 1.0f};
    out.material.ambient = {};
    bool named = false;
    for (;;) {
        Token t = p.NextValue();
        if (t.kind == Token::Close)
            return true;
        if (t.kind != Token::Word)
            return p.Fail("a material with stray data");
        if (!p.OpenBlock())
            return false;
        if (t.Is("TextureFilename") || t.Is("TextureFileName")) {
            if (named)
                return p.Fail("a material with two texture names");
            Token s = p.NextValue();
            if (s.kind != Token::String)
                return p.Fail("a texture name that is not a text");
            out.textureFile.assign(s.text, s.length);
            named = true;
            if (!p.CloseBlock("a texture name with stray data"))
                return false;
        } else if (!p.SkipBlock(depth + 1)) {
            return false;
        }
    }
}

bool ReadMaterialList(Parser& p, RawMesh& m, int depth)
{
    std::size_t count = 0, indexes = 0;
    if (!p.Count(count, "a material count") || !p.Count(indexes, "a face material count"))
        return false;
    if (count == 0)
        return p.Fail("a material list without materials");
    // The list may stop early; the last index then holds for the faces left.
    if (indexes > m.faces.size() || (indexes == 0 && !m.faces.empty()))
        return p.Fail("a face material count that does not match the faces");
    m.faceMaterials.resize(m.faces.size());
    for (std::size_t i = 0; i < indexes; ++i) {
        std::uint32_t k = 0;
        if (!p.Index(count, k, "a face material out of range"))
            return false;
        m.faceMaterials[i] = int(k);
    }
    for (std::size_t i = indexes; i < m.faces.size(); ++i)
        m.faceMaterials[i] = m.faceMaterials[indexes - 1];
    for (;;) {
        Token t = p.NextValue();
        if (t.kind == Token::Close)
            break;
        if (t.kind != Token::Word)
            return p.Fail("a material list with stray data");
        if (!p.OpenBlock())
            return false;
        if (t.Is("Material")) {
            if (m.materials.size() >= count)
                return p.Fail("more materials than counted");
            m.materials.emplace_back();
            if (!ReadMaterial(p, m.materials.back(), depth + 1))
                return false;
        } else if (!p.SkipBlock(depth + 1)) {
            return false;
        }
    }
    if (m.materials.size() != count)
        return p.Fail("fewer materials than counted");
    m.hasMaterials = true;
    return true;
}

bool ReadMeshBlock(Parser& p, RawMesh& m)
{
    if (!ReadVectors(p, m.positions, "a vertex count or position") ||
        !ReadTriangles(p, m.positions.size(), m.faces, "a face count or face"))
        return false;
    for (;;) {
        Token t = p.NextValue();
        if (t.kind == Token::Close)
            return true;
        if (t.kind != Token::Word)
            return p.Fail("a mesh with stray data");
        if (!p.OpenBlock())
            return false;
        if (t.Is("MeshNormals")) {
            if (m.hasNormals)
                return p.Fail("two normal lists");
            if (!ReadVectors(p, m.normals, "a normal count or normal") ||
                !ReadTriangles(p, m.normals.size(), m.normalFaces, "a normal face"))
                return false;
            if (m.normalFaces.size() != m.faces.size())
                return p.Fail("normal faces that do not match the faces");
            m.hasNormals = true;
            if (!p.CloseBlock("a normal list with stray data"))
                return false;
        } else if (t.Is("MeshTextureCoords")) {
            if (m.hasCoords)
                return p.Fail("two texture coordinate lists");
            std::size_t n = 0;
            if (!p.Count(n, "a texture coordinate count"))
                return false;
            if (n != m.positions.size())
                return p.Fail("texture coordinates that do not match the vertices");
            m.coords.resize(n);
            for (auto& c : m.coords)
                if (!p.Floats(c.data(), 2, "a texture coordinate"))
                    return false;
            m.hasCoords = true;
            if (!p.CloseBlock("a texture coordinate list with stray data"))
                return false;
        } else if (t.Is("MeshMaterialList")) {
            if (m.hasMaterials)
                return p.Fail("two material lists");
            if (!ReadMaterialList(p, m, 1))
                return false;
        } else if (!p.SkipBlock(1)) {
            return false;
        }
    }
}

// One vertex per distinct (position, normal) pair. Vertex i keeps position
// i with the first normal its faces give it, so a file whose normals follow
// its positions keeps its vertex numbers; other pairs are appended.
void Assemble(const RawMesh& m, Mesh& out)
{
    const std::uint32_t kNone = 0xFFFFFFFFu;
    std::vector<std::uint32_t> first(m.positions.size(), kNone);
    for (std::size_t f = 0; f < m.faces.size(); ++f)
        for (std::size_t k = 0; k < 3; ++k)
            if (first[m.faces[f][k]] == kNone)
                first[m.faces[f][k]] = m.normalFaces[f][k];
    out.vertices.resize(m.positions.size());
    for (std::size_t i = 0; i < m.positions.size(); ++i) {
        MeshVertex& v = out.vertices[i];
        v.position = m.positions[i];
        if (first[i] != kNone)
            v.normal = m.normals[first[i]];
        if (m.hasCoords) {
            v.u = m.coords[i][0];
            v.v = m.coords[i][1];
        }
    }
    std::unordered_map<std::uint64_t, std::uint32_t> extra;
    out.faces.resize(m.faces.size());
    for (std::size_t f = 0; f < m.faces.size(); ++f) {
        out.faces[f].material = m.hasMaterials ? m.faceMaterials[f] : 0;
        for (std::size_t k = 0; k < 3; ++k) {
            const std::uint32_t pi = m.faces[f][k], ni = m.normalFaces[f][k];
            std::uint32_t index = pi;
            if (ni != first[pi]) {
                const std::uint64_t key = std::uint64_t(pi) << 32 | ni;
                auto it = extra.find(key);
                if (it == extra.end()) {
                    MeshVertex v = out.vertices[pi];
                    v.normal = m.normals[ni];
                    it = extra.emplace(key, std::uint32_t(out.vertices.size())).first;
                    out.vertices.push_back(v);
                }
                index = it->second;
            }
            out.faces[f].index[k] = index;
        }
    }
    if (m.hasMaterials) {
        out.materials = m.materials;
    } else {
        MeshMaterial white;
        white.material.diffuse = {1, 1, 1, 1};
        out.materials.push_back(white);
    }
}

} // namespace

bool ReadMeshText(const char* data, std::size_t size, Mesh& out, std::string* error)
{
    out = Mesh{};
    auto fail = [&](const std::string& why) {
        if (error)
            *error = why;
        out = Mesh{};
        return false;
    };
    if (!data || size < 16 || std::memcmp(data, "xof ", 4) != 0)
        return fail("not a mesh file");
    if ((std::memcmp(data + 4, "0302", 4) != 0 && std::memcmp(data + 4, "0303", 4) != 0) ||
        std::memcmp(data + 8, "txt ", 4) != 0 ||
        (std::memcmp(data + 12, "0032", 4) != 0 && std::memcmp(data + 12, "0064", 4) != 0))
        return fail("not a text mesh file of a version we read");
    Parser p(data + 16, size - 16);
    RawMesh raw;
    bool found = false;
    for (;;) {
        Token t = p.NextValue();
        if (t.kind == Token::End)
            break;
        if (t.kind != Token::Word)
            return fail("stray data between templates");
        if (t.Is("template")) {
            Token name = p.Next();
            if (name.kind != Token::Word || p.Next().kind != Token::Open || !p.SkipBlock(0))
                return fail(p.error.empty() ? "a malformed template declaration" : p.error);
            continue;
        }
        if (!p.OpenBlock())
            return fail(p.error);
        if (t.Is("Mesh")) {
            if (found)
                return fail("more than one mesh");
            if (!ReadMeshBlock(p, raw))
                return fail(p.error);
            found = true;
        } else if (!p.SkipBlock(0)) {
            return fail(p.error);
        }
    }
    if (!found)
        return fail("no mesh");
    if (!raw.hasNormals)
        return fail("a mesh without normals");
    Assemble(raw, out);
    return true;
}

// ---------------------------------------------------------------- writer

std::string WriteMeshText(const Mesh& mesh)
{
    std::string s = "xof 0303txt 0032\n";
    // Room for a line of five of the largest floats at six decimals.
    char buf[512];
    auto add = [&](const char* fmt, auto... args) {
        std::snprintf(buf, sizeof buf, fmt, args...);
        s += buf;
    };
    auto vectors = [&](auto get) {
        add("%zu;\n", mesh.vertices.size());
        for (std::size_t i = 0; i < mesh.vertices.size(); ++i) {
            Vec3 v = get(mesh.vertices[i]);
            add("%.6f;%.6f;%.6f;%s\n", double(v.x), double(v.y), double(v.z), i + 1 < mesh.vertices.size() ? "," : ";");
        }
    };
    auto faces = [&]() {
        add("%zu;\n", mesh.faces.size());
        for (std::size_t i = 0; i < mesh.faces.size(); ++i) {
            const MeshFace& f = mesh.faces[i];
            add("3;%u,%u,%u;%s\n", f.index[0], f.index[1], f.index[2], i + 1 < mesh.faces.size() ? "," : ";");
        }
    };
    s += "Mesh {\n";
    vectors([](const MeshVertex& v) { return v.position; });
    faces();
    s += "MeshNormals {\n";
    vectors([](const MeshVertex& v) { return v.normal; });
    faces();
    s += "}\nMeshTextureCoords {\n";
    add("%zu;\n", mesh.vertices.size());
    for (std::size_t i = 0; i < mesh.vertices.size(); ++i)
        add("%.6f;%.6f;%s\n", double(mesh.vertices[i].u), double(mesh.vertices[i].v),
            i + 1 < mesh.vertices.size() ? "," : ";");
    s += "}\nMeshMaterialList {\n";
    add("%zu;\n%zu;\n", mesh.materials.size(), mesh.faces.size());
    for (std::size_t i = 0; i < mesh.faces.size(); ++i)
        add("%d%s\n", mesh.faces[i].material, i + 1 < mesh.faces.size() ? "," : ";");
    for (const MeshMaterial& m : mesh.materials) {
        const Material& k = m.material;
        add("Material {\n%.6f;%.6f;%.6f;%.6f;;\n%.6f;\n", double(k.diffuse.r), double(k.diffuse.g), double(k.diffuse.b),
            double(k.diffuse.a), double(k.power));
        add("%.6f;%.6f;%.6f;;\n%.6f;%.6f;%.6f;;\n", double(k.specular.r), double(k.specular.g), double(k.specular.b),
            double(k.emissive.r), double(k.emissive.g), double(k.emissive.b));
        if (!m.textureFile.empty())
            s += "TextureFilename {\n\"" + m.textureFile + "\";\n}\n";
        s += "}\n";
    }
    s += "}\n}\n";
    return s;
}

// ---------------------------------------------------------------- cylinder

Mesh MakeCylinder(float tipRadius, float buttRadius, float length, int slices, int stacks)
{
    Mesh m;
    if (slices < 3 || stacks < 1 || !(length > 0))
        return m;
    const int ring = slices + 1;
    const float slope = (buttRadius - tipRadius) / length; // radius gained per unit of z
    for (int s = 0; s <= stacks; ++s) {
        const float t = float(s) / float(stacks);
        const float z = -length / 2 + length * t;
        const float r = tipRadius + (buttRadius - tipRadius) * t;
        for (int k = 0; k < ring; ++k) {
            const float a = 2.0f * 3.14159265358979f * float(k % slices) / float(slices);
            MeshVertex v;
            v.position = {r * std::cos(a), r * std::sin(a), z};
            // The surface widens toward +z, so its normal leans toward -z.
            v.normal = Vec3Normalize({std::cos(a), std::sin(a), -slope});
            v.weight = 1.0f;
            v.u = t;
            v.v = float(k) / float(slices);
            m.vertices.push_back(v);
        }
    }
    for (int s = 0; s < stacks; ++s)
        for (int k = 0; k < slices; ++k) {
            const std::uint32_t a = std::uint32_t(s * ring + k), b = a + 1, c = a + std::uint32_t(ring), d = c + 1;
            // Front faces are clockwise seen from outside: the outward normal
            // is (second - first) x (third - first).
            m.faces.push_back({{a, b, c}, 0});
            m.faces.push_back({{b, d, c}, 0});
        }
    MeshMaterial white;
    white.material.diffuse = white.material.ambient = {1, 1, 1, 1};
    m.materials.push_back(white);
    return m;
}

} // namespace plat
