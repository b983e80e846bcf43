// Times bridge-scorer's match points on the boards of bench_compute.cpp's largest session:
// 48 boards, each of 256 results (16 groups of 16 tables, "Topintegraal").
'use strict';
const scorer = require('bridge-scorer');

// std::mt19937, so that the scores are the benchmark's (seed 2026, drawn in the same order).
function mt19937(seed) {
  const mt = new Uint32Array(624);
  let index = 624;
  mt[0] = seed >>> 0;
  for (let i = 1; i < 624; i++) {
    const prev = mt[i - 1] ^ (mt[i - 1] >>> 30);
    mt[i] = (Math.imul(1812433253, prev) + i) >>> 0;
  }
  return function next() {
    if (index >= 624) {
      for (let i = 0; i < 624; i++) {
        const y = (mt[i] & 0x80000000) | (mt[(i + 1) % 624] & 0x7fffffff);
        mt[i] = mt[(i + 397) % 624] ^ (y >>> 1) ^ (y & 1 ? 0x9908b0df : 0);
      }
      index = 0;
    }
    let y = mt[index++];
    y ^= y >>> 11;
    y ^= (y << 7) & 0x9d2c5680;
    y ^= (y << 15) & 0xefc60000;
    y ^= y >>> 18;
    return y >>> 0;
  };
}

const random = mt19937(2026);
const boards = Array.from({length: 48}, () => []);
for (let g = 1; g <= 16; g++)
  for (let b = 1; b <= 48; b++)
    for (let t = 1; t <= 16; t++)
      boards[b - 1].push({contract: {declaror: 'N'}, score: 10 * (random() % 120) - 400});

const runs = Number(process.argv[2] || 200);
const times = [];
for (let run = 0; run < runs + 20; run++) {
  const start = process.hrtime.bigint();
  for (const games of boards) scorer.matchpoints(games);
  const ms = Number(process.hrtime.bigint() - start) / 1e6;
  if (run >= 20) times.push(ms); // the first runs warm the JIT up
}
times.sort((a, b) => a - b);
const first = boards[0][0].matchpointsNS.value;
console.log(`bridge-scorer ${require('bridge-scorer/package.json').version}, node ${process.version}: ` +
            `48 boards x 256 results, median ${times[times.length >> 1].toFixed(3)} ms, ` +
            `best ${times[0].toFixed(3)} ms (${runs} runs; board 1 first result ${first} match points)`);
