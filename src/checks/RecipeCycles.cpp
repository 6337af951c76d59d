#include "checks/RecipeCycles.h"

#include <algorithm>
#include <unordered_map>

namespace parvela::checks {

namespace {

using Code = std::int64_t;

// Products numbered 0, 1, 2… with the ingredients each recipe uses.
struct RecipeGraph {
    std::vector<Code> codes;
    std::vector<std::vector<std::size_t>> uses;
    std::unordered_map<Code, std::size_t> numberOf;

    std::size_t number(Code code) {
        const auto [at, added] = numberOf.try_emplace(code, codes.size());
        if (added) {
            codes.push_back(code);
            uses.emplace_back();
        }
        return at->second;
    }
};

RecipeGraph graphOf(const std::vector<recipes::RecipeLine>& lines) {
    RecipeGraph graph;
    for (const recipes::RecipeLine& line : lines)
        if (line.urun != line.ingredient) {
            const std::size_t from = graph.number(line.urun);
            const std::size_t to = graph.number(line.ingredient);
            graph.uses[from].push_back(to);
        }
    return graph;
}

constexpr std::size_t kUnseen = static_cast<std::size_t>(-1);

// Tarjan's strongly connected components, without recursion: a catalogue's
// chain of recipes may be deeper than the stack.
class Components {
public:
    explicit Components(const RecipeGraph& graph)
        : m_graph(graph)
        , m_index(graph.codes.size(), kUnseen)
        , m_low(graph.codes.size(), 0)
        , m_onStack(graph.codes.size(), false)
        , m_component(graph.codes.size(), kUnseen) {
        for (std::size_t node = 0; node < graph.codes.size(); ++node)
            if (m_index[node] == kUnseen)
                visit(node);
    }

    std::size_t of(std::size_t node) const { return m_component[node]; }
    const std::vector<std::vector<std::size_t>>& all() const { return m_members; }

private:
    struct Frame {
        std::size_t node;
        std::size_t next = 0;
    };

    void enter(std::size_t node, std::vector<Frame>& frames) {
        m_index[node] = m_low[node] = m_counter++;
        m_stack.push_back(node);
        m_onStack[node] = true;
        frames.push_back({node});
    }

    void visit(std::size_t start) {
        std::vector<Frame> frames;
        enter(start, frames);
        while (!frames.empty()) {
            Frame& frame = frames.back();
            const std::vector<std::size_t>& uses = m_graph.uses[frame.node];
            if (frame.next < uses.size()) {
                const std::size_t next = uses[frame.next++];
                if (m_index[next] == kUnseen)
                    enter(next, frames);
                else if (m_onStack[next])
                    m_low[frame.node] = std::min(m_low[frame.node], m_index[next]);
                continue;
            }
            const std::size_t node = frame.node;
            frames.pop_back();
            if (!frames.empty())
                m_low[frames.back().node] = std::min(m_low[frames.back().node], m_low[node]);
            if (m_low[node] == m_index[node])
                close(node);
        }
    }

    void close(std::size_t root) {
        std::vector<std::size_t>& members = m_members.emplace_back();
        std::size_t node = kUnseen;
        do {
            node = m_stack.back();
            m_stack.pop_back();
            m_onStack[node] = false;
            m_component[node] = m_members.size() - 1;
            members.push_back(node);
        } while (node != root);
    }

    const RecipeGraph& m_graph;
    std::vector<std::size_t> m_index;
    std::vector<std::size_t> m_low;
    std::vector<bool> m_onStack;
    std::vector<std::size_t> m_component;
    std::vector<std::size_t> m_stack;
    std::vector<std::vector<std::size_t>> m_members;
    std::size_t m_counter = 0;
};

// A way round the component from its smallest code back to it, by a
// breadth-first walk inside the component: the shortest such cycle.
std::vector<Code> cycleThrough(const RecipeGraph& graph, const Components& components,
                               const std::vector<std::size_t>& members) {
    const std::size_t start =
        *std::min_element(members.begin(), members.end(), [&graph](std::size_t a, std::size_t b) {
            return graph.codes[a] < graph.codes[b];
        });
    const std::size_t component = components.of(start);
    std::unordered_map<std::size_t, std::size_t> cameFrom;
    std::vector<std::size_t> queue{start};
    for (std::size_t at = 0; at < queue.size(); ++at) {
        for (const std::size_t next : graph.uses[queue[at]]) {
            if (components.of(next) != component)
                continue;
            if (next == start) {
                std::vector<Code> cycle;
                for (std::size_t node = queue[at]; node != start; node = cameFrom[node])
                    cycle.push_back(graph.codes[node]);
                cycle.push_back(graph.codes[start]);
                std::reverse(cycle.begin(), cycle.end());
                return cycle;
            }
            if (cameFrom.try_emplace(next, queue[at]).second)
                queue.push_back(next);
        }
    }
    return {graph.codes[start]};
}

} // namespace

std::vector<std::vector<std::int64_t>> recipeCycles(const std::vector<recipes::RecipeLine>& lines) {
    const RecipeGraph graph = graphOf(lines);
    const Components components(graph);
    std::vector<std::vector<Code>> cycles;
    for (const std::vector<std::size_t>& members : components.all())
        if (members.size() > 1)
            cycles.push_back(cycleThrough(graph, components, members));
    std::sort(cycles.begin(), cycles.end());
    return cycles;
}

} // namespace parvela::checks
