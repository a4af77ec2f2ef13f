#include "missions/MissionFile.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <optional>
#include <set>
#include <ostream>
#include <sstream>

#include "core/FileAccess.h"
#include "sim/ProgramText.h"

// The reader is compiled into this file alone, and reports through results
// rather than exceptions: a bad file is the player's, never the game's end.
#define TOML_HEADER_ONLY 1
#define TOML_EXCEPTIONS 0
#define TOML_ENABLE_FORMATTERS 0
#include <toml++/toml.h>

namespace {

const double pi = 3.141592653589793;
// Bounds that keep every flight's arithmetic finite and meaningful.
const double maxCoordinate = 1e6;  // world units
const double maxSpeed = 1e3;       // world units per step
const double maxMass = 1e6;
const double maxAngle = 1e6;  // radians
const double maxSpin = pi;    // radians per step
const double maxLimit = 1e9;  // medal limits and costs
const int maxSteps = 1000000000;
const size_t maxTextLength = 64 * 1024;  // bytes

// Why a string the game would show is not fit to be shown, or null.
// Escapes such as \u00e9 make letters the file itself does not hold.
const char* textFault(const std::string& text, bool lines) {
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '\n' && !lines) return "must be one line of text";
        if (u >= 0x80 || u == 0x7f || (u < 0x20 && c != '\n' && c != '\t'))
            return "a character that is not ASCII text; the game can show ASCII text only";
    }
    return nullptr;
}
const size_t maxTitleLength = 255;       // bytes; the score file's limit on names

int lineOf(const toml::node& node) { return int(node.source().begin.line); }

// Edit distance, for "did you mean".
size_t distance(const std::string& a, const std::string& b) {
    std::vector<size_t> row(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j) row[j] = j;
    for (size_t i = 1; i <= a.size(); ++i) {
        size_t diagonal = row[0];
        row[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            const size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return row[b.size()];
}

// Text from the file as a message shows it: one line, whatever it holds.
std::string shown(std::string text) {
    for (char& c : text)
        if ((unsigned char)c < 32 || c == 127) c = '?';
    return text;
}

std::string number(double value) {
    std::ostringstream text;
    text << value;
    return text.str();
}

class Reader {
public:
    Reader(const std::string& path_, MissionDef& def_, std::ostream& log_)
        : path(path_), def(def_), log(log_) {}

    bool read(const std::string& text);

private:
    using Keys = std::initializer_list<const char*>;

    void error(int line, const std::string& what) {
        log << "ERROR: " << path << ":" << line << ": " << what << "\n";
        ++errors;
    }

    // Reports every key of `table` not among `keys`, naming the nearest one.
    void onlyKeys(const toml::table& table, const std::string& where, Keys keys) {
        for (auto&& [key, node] : table) {
            const std::string name(key.str());
            if (std::find_if(keys.begin(), keys.end(), [&](const char* k) { return name == k; }) !=
                keys.end())
                continue;
            std::string message = "unknown key '" + shown(name) + "' in " + where;
            const char* nearest = nullptr;
            size_t best = 3;  // at most two edits away
            for (const char* k : keys) {
                const size_t d = distance(name, k);
                if (d < best && d < std::string(k).size()) best = d, nearest = k;
            }
            if (nearest) {
                message += " (did you mean '" + std::string(nearest) + "'?)";
                misspelt.insert({&table, nearest});
            }
            error(int(key.source().begin.line ? key.source().begin.line : lineOf(node)), message);
        }
    }

    const toml::node* find(const toml::table& table, const char* key, const std::string& where,
                           bool required) {
        const toml::node* node = table.get(key);
        // A misspelt key has had its message.
        if (!node && required && !misspelt.count({&table, key}))
            error(tableLine(table), where + key + ": missing");
        return node;
    }

    int tableLine(const toml::table& table) {
        const int line = lineOf(table);
        return line > 0 ? line : 1;
    }

    std::optional<double> real(const toml::table& table, const char* key, const std::string& where,
                               bool required, double low, double high) {
        const toml::node* node = find(table, key, where, required);
        if (!node) return std::nullopt;
        return realValue(*node, where + key, low, high);
    }

    std::optional<double> realValue(const toml::node& node, const std::string& name, double low,
                                    double high) {
        double value;
        if (const auto* i = node.as_integer()) {
            value = double(i->get());
        } else if (const auto* f = node.as_floating_point()) {
            value = f->get();
        } else {
            error(lineOf(node), name + ": must be a number");
            return std::nullopt;
        }
        if (!std::isfinite(value)) {
            error(lineOf(node), name + ": must be a finite number, not " + number(value));
            return std::nullopt;
        }
        if (value < low || value > high) {
            error(lineOf(node), name + ": " + number(value) + " is impossible; it must be from " +
                                    number(low) + " to " + number(high));
            return std::nullopt;
        }
        return value;
    }

    // A value that must be more than 0.
    std::optional<double> positive(const toml::table& table, const char* key,
                                   const std::string& where, bool required, double high) {
        std::optional<double> value =
            real(table, key, where, required, -std::numeric_limits<double>::max(), high);
        if (value && !(*value > 0.0)) {
            error(lineOf(*table.get(key)),
                  where + key + ": " + number(*value) + " is impossible; it must be more than 0");
            return std::nullopt;
        }
        return value;
    }

    std::optional<int> whole(const toml::table& table, const char* key, const std::string& where,
                             bool required, int low, int high) {
        const toml::node* node = find(table, key, where, required);
        if (!node) return std::nullopt;
        const auto* i = node->as_integer();
        if (!i) {
            error(lineOf(*node), where + key + ": must be a whole number");
            return std::nullopt;
        }
        if (i->get() < low || i->get() > high) {
            error(lineOf(*node), where + key + ": " + std::to_string(i->get()) +
                                     " is impossible; it must be from " + std::to_string(low) +
                                     " to " + std::to_string(high));
            return std::nullopt;
        }
        return int(i->get());
    }

    // A string of ASCII letters the game can show; one line unless `lines`.
    std::optional<std::string> text(const toml::table& table, const char* key,
                                    const std::string& where, bool required,
                                    size_t longest = maxTextLength, bool lines = false) {
        const toml::node* node = find(table, key, where, required);
        if (!node) return std::nullopt;
        const auto* s = node->as_string();
        if (!s) {
            error(lineOf(*node), where + key + ": must be a string");
            return std::nullopt;
        }
        if (s->get().size() > longest) {
            error(lineOf(*node), where + key + ": longer than " + std::to_string(longest) +
                                     " bytes");
            return std::nullopt;
        }
        if (const char* fault = textFault(s->get(), lines)) {
            error(lineOf(*node), where + key + ": " + fault);
            return std::nullopt;
        }
        return s->get();
    }

    std::optional<bool> flag(const toml::table& table, const char* key, const std::string& where) {
        const toml::node* node = table.get(key);
        if (!node) return std::nullopt;
        if (!node->as_boolean()) {
            error(lineOf(*node), where + key + ": must be true or false");
            return std::nullopt;
        }
        return node->as_boolean()->get();
    }

    std::optional<Vec2> pair(const toml::table& table, const char* key, const std::string& where,
                             bool required, double bound) {
        const toml::node* node = find(table, key, where, required);
        if (!node) return std::nullopt;
        const auto* array = node->as_array();
        if (!array || array->size() != 2) {
            error(lineOf(*node), where + key + ": must be two numbers, [x, y]");
            return std::nullopt;
        }
        const auto x = realValue(*array->get(0), where + key, -bound, bound);
        const auto y = realValue(*array->get(1), where + key, -bound, bound);
        if (!x || !y) return std::nullopt;
        return Vec2(*x, *y);
    }

    const toml::table* table(const toml::table& parent, const char* key, bool required) {
        const toml::node* node = find(parent, key, "", required);
        if (!node) return nullptr;
        if (!node->as_table()) {
            error(lineOf(*node), std::string(key) + ": must be a table, [" + key + "]");
            return nullptr;
        }
        return node->as_table();
    }

    // The tables of an array of tables [[key]], at most `most` of them.
    std::vector<const toml::table*> tables(const toml::table& root, const char* key, size_t most) {
        std::vector<const toml::table*> found;
        const toml::node* node = root.get(key);
        if (!node) return found;
        const auto* array = node->as_array();
        if (!array) {
            error(lineOf(*node), std::string(key) + ": must be tables, [[" + key + "]]");
            return found;
        }
        if (array->size() > most)
            error(lineOf(*node), "more than " + std::to_string(most) + " [[" + key + "]] tables");
        for (const toml::node& element : *array) {
            if (found.size() == most) break;
            if (!element.as_table()) {
                error(lineOf(element), std::string(key) + ": must be tables, [[" + key + "]]");
                continue;
            }
            found.push_back(element.as_table());
        }
        return found;
    }

    // A file name under the data folder: relative, and never climbing out of it.
    void dataFile(const toml::table& t, const char* key, const std::string& where,
                  std::string& out, int& line) {
        const auto name = text(t, key, where, false, 255);
        if (!name) return;
        const bool climbs = name->find("..") != std::string::npos;
        if (name->empty() || (*name)[0] == '/' || climbs || name->find('\\') != std::string::npos) {
            error(lineOf(*t.get(key)),
                  where + key + ": '" + shown(*name) + "' must be a file under the data folder");
            return;
        }
        out = *name;
        line = lineOf(*t.get(key));
    }

    int bodyNamed(const toml::node& node, const std::string& name) {
        const auto* s = node.as_string();
        if (!s) {
            error(lineOf(node), name + ": must be the name of a body");
            return -1;
        }
        for (size_t i = 0; i < def.bodies.size(); ++i)
            if (!def.bodies[i].name.empty() && def.bodies[i].name == s->get()) return int(i);
        error(lineOf(node), name + ": no body is named '" + shown(s->get()) + "'");
        return -1;
    }

    // `body = "name"` or `point = [x, y]`, exactly one.
    bool centre(const toml::table& t, const std::string& where, Centre& out) {
        const toml::node* body = t.get("body");
        const toml::node* point = t.get("point");
        if (body && point) {
            error(lineOf(*point), where + "give either body or point, not both");
            return false;
        }
        if (body) return (out.body = bodyNamed(*body, where + "body")) >= 0;
        if (const auto p = pair(t, "point", where, false, maxCoordinate)) {
            out.point = *p;
            return true;
        }
        if (!point) error(tableLine(t), where + "body or point: missing");
        return false;
    }

    void readRecord(const toml::table& root);
    void readBody(const toml::table& t, const std::string& where);
    void readShip(const toml::table& t);
    void readObjective(const toml::table& t, const std::string& where);
    void readFailure(const toml::table& t, const std::string& where);

    const std::string& path;
    MissionDef& def;
    std::ostream& log;
    int errors = 0;
    std::set<std::pair<const toml::table*, std::string>> misspelt;  // keys suggested so far
};

void Reader::readRecord(const toml::table& root) {
    if (auto title = text(root, "title", "", true, maxTitleLength)) {
        const bool control = std::any_of(title->begin(), title->end(),
                                         [](char c) { return (unsigned char)c < 32; });
        if (title->empty() || control || *title == "<- Back -<<")
            error(lineOf(*root.get("title")),
                  "title: '" + shown(*title) + "' cannot be a mission's title");
        def.title = *title;
        def.titleLine = lineOf(*root.get("title"));
    }
    if (auto group = text(root, "group", "", false, maxTitleLength)) {
        if (shown(*group) != *group)
            error(lineOf(*root.get("group")), "group: '" + shown(*group) + "' is no group's name");
        def.group = *group;
        def.groupLine = lineOf(*root.get("group"));
    }
    if (auto reference = text(root, "reference", "", true, maxTextLength, true)) {
        std::string why;
        if (!isProgramText(*reference, why))
            error(lineOf(*root.get("reference")), "reference: not a program text: " + why);
        def.reference = *reference;
        def.referenceLine = lineOf(*root.get("reference"));
    }

    if (const toml::table* briefing = table(root, "briefing", true)) {
        onlyKeys(*briefing, "[briefing]", {"text", "objectives"});
        std::string prose =
            text(*briefing, "text", "briefing.", true, maxTextLength, true).value_or("");
        if (!prose.empty() && prose.back() != '\n') prose += '\n';
        prose += "\nOBJECTIVES:\n";
        const toml::node* list = find(*briefing, "objectives", "briefing.", true);
        const toml::array* lines = list ? list->as_array() : nullptr;
        if (list && (!lines || lines->size() > size_t(maxMissionParts))) {
            error(lineOf(*list), "briefing.objectives: must be a list of at most " +
                                     std::to_string(maxMissionParts) + " strings");
        } else if (lines) {
            for (const toml::node& line : *lines) {
                const auto* s = line.as_string();
                if (!s || s->get().size() > 255 || textFault(s->get(), false)) {
                    error(lineOf(line), "briefing.objectives: each must be one line of ASCII text");
                    continue;
                }
                prose += "* " + s->get() + "\n";
            }
        }
        def.briefing = prose;
    }

    if (const toml::table* medals = table(root, "medals", true)) {
        onlyKeys(*medals, "[medals]", {"gold", "silver"});
        const auto gold = positive(*medals, "gold", "medals.", true, maxLimit);
        const auto silver = positive(*medals, "silver", "medals.", true, maxLimit);
        if (gold && silver && !(float(*gold) < float(*silver)))
            error(tableLine(*medals), "medals: gold must be lower than silver");
        def.gold = float(gold.value_or(0.0));
        if (gold) def.goldLine = lineOf(*medals->get("gold"));
        def.silver = float(silver.value_or(0.0));
    }
    if (const toml::table* costs = table(root, "costs", false)) {
        onlyKeys(*costs, "[costs]", {"thrust", "turn", "time"});
        if (auto c = real(*costs, "thrust", "costs.", false, 0.0, maxLimit)) def.thrustCost = float(*c);
        if (auto c = real(*costs, "turn", "costs.", false, 0.0, maxLimit)) def.turnCost = float(*c);
        if (auto c = real(*costs, "time", "costs.", false, 0.0, maxLimit)) def.timeCost = float(*c);
    }
}

void Reader::readBody(const toml::table& t, const std::string& where) {
    onlyKeys(t, where, {"name", "radius", "mass", "position", "velocity", "angle", "spin", "solid",
                        "model", "texture"});
    const std::string at = where + " ";
    BodyDef body;
    body.line = tableLine(t);
    if (auto name = text(t, "name", at, false, 255)) {
        for (const BodyDef& other : def.bodies)
            if (!name->empty() && other.name == *name)
                error(lineOf(*t.get("name")),
                      at + "name: another body is named '" + shown(*name) + "'");
        body.name = *name;
    }
    body.radius = positive(t, "radius", at, true, maxCoordinate).value_or(1.0);
    body.mass = real(t, "mass", at, false, 0.0, maxMass).value_or(0.0);
    body.position = pair(t, "position", at, true, maxCoordinate).value_or(Vec2());
    body.velocity = pair(t, "velocity", at, false, maxSpeed).value_or(Vec2());
    body.angle = real(t, "angle", at, false, -maxAngle, maxAngle).value_or(0.0);
    body.spin = real(t, "spin", at, false, -maxSpin, maxSpin).value_or(0.0);
    body.solid = flag(t, "solid", at).value_or(true);
    dataFile(t, "model", at, body.model, body.modelLine);
    dataFile(t, "texture", at, body.texture, body.textureLine);
    def.bodies.push_back(body);
}

void Reader::readShip(const toml::table& t) {
    onlyKeys(t, "[ship]", {"position", "velocity", "angle", "spin"});
    def.ship.position = pair(t, "position", "ship.", true, maxCoordinate).value_or(Vec2());
    def.ship.velocity = pair(t, "velocity", "ship.", false, maxSpeed).value_or(Vec2());
    def.ship.angle = real(t, "angle", "ship.", false, -maxAngle, maxAngle).value_or(0.0);
    def.ship.spin = real(t, "spin", "ship.", false, -maxSpin, maxSpin).value_or(0.0);
}

void Reader::readObjective(const toml::table& t, const std::string& where) {
    const std::string at = where + " ";
    ObjectiveDef o;
    o.line = tableLine(t);
    const auto kind = text(t, "kind", at, true, 64);
    if (!kind) return;
    if (*kind == "visit") {
        o.kind = ObjectiveDef::Visit;
        onlyKeys(t, where + " (visit)", {"kind", "bodies", "radius", "order"});
        const toml::node* list = find(t, "bodies", at, true);
        const toml::array* names = list ? list->as_array() : nullptr;
        if (list && (!names || names->empty() || names->size() > size_t(maxMissionParts))) {
            error(lineOf(*list), at + "bodies: must list 1 to " +
                                     std::to_string(maxMissionParts) + " body names");
        } else if (names) {
            for (const toml::node& name : *names) o.bodies.push_back(bodyNamed(name, at + "bodies"));
        }
        o.radius = positive(t, "radius", at, true, maxCoordinate).value_or(1.0);
        const std::string order = text(t, "order", at, false, 64).value_or("any");
        if (order != "any" && order != "listed")
            error(lineOf(*t.get("order")), at + "order: must be \"any\" or \"listed\"");
        o.inOrder = order == "listed";
    } else if (*kind == "leave") {
        o.kind = ObjectiveDef::Leave;
        onlyKeys(t, where + " (leave)", {"kind", "body", "point", "radius"});
        centre(t, at, o.centre);
        o.radius = positive(t, "radius", at, true, maxCoordinate * 10).value_or(1.0);
    } else if (*kind == "land") {
        o.kind = ObjectiveDef::Land;
        onlyKeys(t, where + " (land)", {"kind", "body", "within"});
        if (const toml::node* body = t.get("body")) {
            o.centre.body = bodyNamed(*body, at + "body");
            // A landed ship sits its own radius (8) and a little more above the ground.
            const double nearby =
                o.centre.body >= 0 ? def.bodies[size_t(o.centre.body)].radius + 10.0 : 1.0;
            o.radius = positive(t, "within", at, false, maxCoordinate * 10).value_or(nearby);
        } else if (t.get("within")) {
            error(lineOf(*t.get("within")), at + "within: needs the body it is measured from");
        }
    } else if (*kind == "land_at") {
        o.kind = ObjectiveDef::LandAt;
        onlyKeys(t, where + " (land_at)", {"kind", "body", "offset", "radius"});
        if (const toml::node* body = find(t, "body", at, true)) o.centre.body = bodyNamed(*body, at + "body");
        o.offset = pair(t, "offset", at, true, maxCoordinate).value_or(Vec2());
        o.radius = positive(t, "radius", at, true, maxCoordinate).value_or(1.0);
    } else if (*kind == "launch") {
        o.kind = ObjectiveDef::Launch;
        onlyKeys(t, where + " (launch)", {"kind"});
    } else if (*kind == "hold") {
        o.kind = ObjectiveDef::Hold;
        onlyKeys(t, where + " (hold)", {"kind", "body", "point", "inner", "outer", "sector", "steps"});
        centre(t, at, o.centre);
        const auto inner = real(t, "inner", at, false, 0.0, maxCoordinate * 10);
        const auto outer = positive(t, "outer", at, false, maxCoordinate * 10);
        const auto sector = positive(t, "sector", at, false, 2.0 * pi);
        o.hasInner = bool(inner), o.inner = inner.value_or(0.0);
        o.hasOuter = bool(outer), o.outer = outer.value_or(0.0);
        o.hasSector = bool(sector), o.sector = sector.value_or(0.0);
        if (!t.get("inner") && !t.get("outer") && !t.get("sector"))
            error(o.line, at + "inner, outer or sector: a hold needs at least one");
        if (inner && outer && !(*inner < *outer))
            error(o.line, at + "inner must be less than outer");
        if (sector && t.get("point"))
            error(o.line, at + "sector: turns with a body, so it needs body, not point");
        o.steps = whole(t, "steps", at, true, 0, maxSteps).value_or(0);
    } else if (*kind == "survive") {
        o.kind = ObjectiveDef::Survive;
        onlyKeys(t, where + " (survive)", {"kind", "steps"});
        o.steps = whole(t, "steps", at, true, 0, maxSteps).value_or(0);
    } else {
        error(lineOf(*t.get("kind")),
              at + "kind: '" + shown(*kind) +
                  "' is none of visit, leave, land, land_at, launch, hold, survive");
        return;
    }
    def.objectives.push_back(o);
}

void Reader::readFailure(const toml::table& t, const std::string& where) {
    const std::string at = where + " ";
    FailureDef f;
    const auto kind = text(t, "kind", at, true, 64);
    if (!kind) return;
    if (*kind == "beyond") {
        f.kind = FailureDef::Beyond;
        onlyKeys(t, where + " (beyond)", {"kind", "body", "point", "radius", "text"});
        centre(t, at, f.centre);
        f.radius = positive(t, "radius", at, true, maxCoordinate * 10).value_or(1.0);
    } else if (*kind == "land") {
        f.kind = FailureDef::Land;
        onlyKeys(t, where + " (land)", {"kind", "text"});
    } else if (*kind == "time_limit") {
        f.kind = FailureDef::TimeLimit;
        onlyKeys(t, where + " (time_limit)", {"kind", "steps", "text"});
        f.steps = whole(t, "steps", at, true, 0, maxSteps).value_or(0);
    } else {
        error(lineOf(*t.get("kind")),
              at + "kind: '" + shown(*kind) + "' is none of beyond, land, time_limit");
        return;
    }
    f.text = text(t, "text", at, false, 120).value_or("");  // one line on the game screen
    def.failures.push_back(f);
}

bool Reader::read(const std::string& contents) {
    // The game's letters are ASCII only, and the TOML library reads some
    // other characters in places where they are misplaced with undefined
    // behaviour: such a file is refused before it is parsed.
    const auto other = std::find_if(contents.begin(), contents.end(),
                                    [](char c) { return (unsigned char)c >= 0x80; });
    if (other != contents.end()) {
        error(int(std::count(contents.begin(), other, '\n')) + 1,
              "a character that is not ASCII; the game can show ASCII text only");
        return false;
    }
    toml::parse_result parsed = toml::parse(contents, path);
    if (!parsed) {
        const toml::parse_error& problem = parsed.error();
        const int line = int(problem.source().begin.line);
        error(line > 0 ? line : 1, "not a TOML file: " + shown(std::string(problem.description())));
        return false;
    }
    const toml::table& root = parsed.table();

    // The format first: a newer file may mean anything by its other keys.
    const Keys rootKeys = {"format", "title",  "group", "reference", "briefing", "medals",
                           "costs",  "ship",   "body",  "objective", "failure"};
    if (!root.get("format")) {
        onlyKeys(root, "the file", rootKeys);
        if (!misspelt.count({&root, "format"}))
            error(1, "format: missing; this game reads format " + std::to_string(missionFormat));
        return false;
    }
    const auto format = whole(root, "format", "", true, 1, 1000000);
    if (!format) return false;
    if (*format > missionFormat) {
        error(lineOf(*root.get("format")),
              "format " + std::to_string(*format) + " is newer than this game reads (" +
                  std::to_string(missionFormat) + "); a newer version of the game is needed");
        return false;
    }

    onlyKeys(root, "the file", rootKeys);
    readRecord(root);
    for (const toml::table* t : tables(root, "body", size_t(maxMissionBodies)))
        readBody(*t, "body[" + std::to_string(def.bodies.size() + 1) + "]");
    if (const toml::table* ship = table(root, "ship", true)) readShip(*ship);
    const auto objectives = tables(root, "objective", size_t(maxMissionParts));
    if (objectives.empty() && !root.get("objective"))
        error(1, "[[objective]]: missing; a mission needs at least one");
    for (size_t i = 0; i < objectives.size(); ++i)
        readObjective(*objectives[i], "objective[" + std::to_string(i + 1) + "]");
    const auto failures = tables(root, "failure", size_t(maxMissionParts));
    for (size_t i = 0; i < failures.size(); ++i)
        readFailure(*failures[i], "failure[" + std::to_string(i + 1) + "]");
    return errors == 0;
}

}  // namespace

bool readMissionText(const std::string& text, const std::string& path, MissionDef& def,
                     std::ostream& log) {
    def = MissionDef();
    def.file = path;
    return Reader(path, def, log).read(text);
}

bool readMissionFile(const std::string& path, MissionDef& def, std::ostream& log) {
    std::string text, why;
    if (readRegularFile(path, maxMissionFileSize, text, why) != ReadStatus::ok) {
        log << "ERROR: " << path << ":1: cannot be read: " << why << "\n";
        return false;
    }
    return readMissionText(text, path, def, log);
}
