// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/chart/chakra_model.h"

namespace vellamor {

Occupants WithTransits(const Occupants& birth, const Occupants& transiting) {
    Occupants all = birth;
    for (const Occupant& o : transiting)
        all.push_back(o);
    return all;
}

ChakraModel BuildSudarshanChakra(const std::array<int, kBodyCount>& signs,
                                 const RetrogradeMarks& marks) {
    ChakraModel model;
    const auto signOf = [&](Body b) { return SignOfNumber(signs[BodyIndex(b)] + 1); };
    model.referenceSigns[Ring::Birth] = signOf(Body::Ascendant);
    model.referenceSigns[Ring::Moon] = signOf(Body::Moon);
    model.referenceSigns[Ring::Sun] = signOf(Body::Sun);

    // House h of a ring holds the sign h places after the ring's own.
    for (const Ring r : AllOf<Ring>()) {
        for (int h = 0; h < 12; ++h)
            model.rings[r][static_cast<std::size_t>(h)].sign =
                SignAfter(model.referenceSigns[r], h);
    }
    for (const Body b : AllOf<Body>())
        model.signOccupants[signOf(b)].push_back({b, marks.retrograde[b], false});
    model.legendLabels = marks.labels;
    return model;
}

}  // namespace vellamor
