// SPDX-License-Identifier: MIT
#pragma once
// What follows from one assumption about one candidate ("this digit is in
// this cell", or "is not"), link by link, with the links remembered so
// that a chain can be told and drawn.
//
// A true candidate makes the other candidates of its cell and its digit in
// the peers false. A false candidate makes the other candidate true when
// its cell holds two candidates, or its digit two places in a unit. Static
// propagation reads those pairs from the board as it stands; dynamic
// propagation removes the false candidates as it goes and follows every
// single that leaves, to a contradiction or a standstill.

#include <vector>

#include "logic/logic_board.h"
#include "logic/step.h"

namespace gridora::logic {

class Implications {
 public:
  struct Options {
    bool dynamic = false;
    bool unitLinks = true;    // a digit with two places in a unit
    bool cellLinks = true;    // a cell with two candidates
    bool otherDigits = true;  // a true candidate makes its cell's others false
    int onlyDigit = 0;        // follow this digit alone (0: every digit)
  };

  Implications(const LogicBoard& board, Options options);

  // Propagates `start` being `on` (true) or not; false when it ends in a
  // contradiction.
  bool Run(Candidate start, bool on);

  bool Reached(Candidate c, bool on) const { return parents_[Id(c, on)].reached; }
  // The nodes behind `c` being `on`, itself included: the length of the
  // chain, or of the net of chains in dynamic propagation.
  int Complexity(Candidate c, bool on) const;
  // The links from the start to `c` being `on`, following first parents.
  std::vector<ChainLink> ChainTo(Candidate c, bool on) const;
  // Whether the chain to `c` uses only links inside cells / only between
  // cells on one digit.
  bool UsesUnitLinks(Candidate c, bool on) const;
  bool UsesCellLinks(Candidate c, bool on) const;
  // The node where the contradiction showed, after Run returned false.
  Candidate Conflict() const { return conflict_; }
  // Every candidate reached as `on` during the last run.
  std::vector<Candidate> ReachedAll(bool on) const;

 private:
  struct Node {
    bool reached = false;
    bool viaUnit = false;   // made true by a unit with two places
    bool viaCell = false;   // made true by a cell with two candidates
    std::vector<int> from;  // parent node ids
  };
  int Id(Candidate c, bool on) const { return (c.cell * 16 + c.digit - 1) * 2 + (on ? 1 : 0); }
  Candidate Of(int id) const { return {id / 2 / 16, id / 2 % 16 + 1}; }
  bool Mark(int id, std::vector<int> from, bool viaUnit, bool viaCell);
  bool Consequences(int id);

  const LogicBoard& board_;
  LogicBoard work_;
  Options options_;
  std::vector<Node> parents_;
  std::vector<int> queue_;
  std::vector<int> touched_;
  Candidate conflict_;
};

}  // namespace gridora::logic
