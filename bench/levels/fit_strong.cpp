// Fits the evaluation's weights to the exact table: logistic regression of
// the exact win chance on the features, by Newton's method over a random
// sample of the table's positions. Prints the weights for levels_weights.h.
//
//   kelvoa-fit-strong [table file] [samples]
#include "levels.h"
#include "solver.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

using levels::FeatureCount;
using levels::Features;

int main(int argc, char** argv) {
    const std::string path = argc > 1 ? argv[1] : levels::tableCachePath();
    const int samples = argc > 2 ? std::atoi(argv[2]) : 200000;
    solver::LoadError err;
    const auto table = solver::load(path, &err);
    if (!table) {
        std::fprintf(stderr, "%s: %s\n", path.c_str(), solver::loadErrorText(err));
        return 1;
    }
    std::mt19937_64 gen(7);
    std::uniform_int_distribution<std::uint64_t> pick(0, table->values().size() - 1);
    std::vector<Features> xs;
    std::vector<double> ys;
    for (int i = 0; i < samples; ++i) {
        const std::uint64_t idx = pick(gen);
        xs.push_back(levels::features(table->layout().position(idx), 1));
        ys.push_back(table->values()[idx] / double(solver::Quantum));
    }
    for (int i = 0; i < FeatureCount; ++i) {
        double sx = 0, sy = 0, sxx = 0, sxy = 0, syy = 0;
        const double n = double(xs.size());
        for (std::size_t k = 0; k < xs.size(); ++k) {
            const double a = xs[k][static_cast<unsigned>(i)], b = ys[k];
            sx += a, sy += b, sxx += a * a, sxy += a * b, syy += b * b;
        }
        const double cov = sxy / n - sx / n * sy / n, vx = sxx / n - sx / n * sx / n;
        std::printf("feature %d: mean %.3f, correlation with the exact value %.3f\n", i, sx / n,
                    vx > 0 ? cov / std::sqrt(vx * (syy / n - sy / n * sy / n)) : 0.0);
    }
    Features w{};
    for (int iter = 0; iter < 25; ++iter) {
        double g[FeatureCount]{}, h[FeatureCount][FeatureCount + 1]{};
        double loss = 0;
        for (std::size_t n = 0; n < xs.size(); ++n) {
            const double p = levels::evaluateWith(w, xs[n]);
            loss += (p - ys[n]) * (p - ys[n]);
            for (int i = 0; i < FeatureCount; ++i) {
                g[i] += (p - ys[n]) * xs[n][static_cast<unsigned>(i)];
                for (int j = 0; j < FeatureCount; ++j)
                    h[i][j] += p * (1 - p) * xs[n][static_cast<unsigned>(i)] *
                               xs[n][static_cast<unsigned>(j)];
            }
        }
        // Solve h d = g (a little ridge keeps unused features at bay).
        for (int i = 0; i < FeatureCount; ++i) {
            h[i][i] += 1e-3 * double(xs.size()) * 1e-3;
            h[i][FeatureCount] = g[i];
        }
        for (int c = 0; c < FeatureCount; ++c) {
            int best = c;
            for (int r = c + 1; r < FeatureCount; ++r)
                if (std::fabs(h[r][c]) > std::fabs(h[best][c])) best = r;
            for (int k = 0; k <= FeatureCount; ++k)
                std::swap(h[c][k], h[best][k]);
            for (int r = 0; r < FeatureCount; ++r) {
                if (r == c) continue;
                const double f = h[r][c] / h[c][c];
                for (int k = c; k <= FeatureCount; ++k)
                    h[r][k] -= f * h[c][k];
            }
        }
        for (int i = 0; i < FeatureCount; ++i)
            w[static_cast<unsigned>(i)] -= h[i][FeatureCount] / h[i][i];
        std::printf("iteration %d: root mean square error %.4f\n", iter + 1,
                    std::sqrt(loss / double(xs.size())));
    }
    std::printf("inline constexpr Features FittedWeights{");
    for (int i = 0; i < FeatureCount; ++i)
        std::printf("%s%.4f", i ? ", " : "", w[static_cast<unsigned>(i)]);
    std::printf("};\n");
    return 0;
}
