#include "core/weather/location_record.h"

#include <algorithm>
#include <cstring>

namespace solmon {

namespace {

template <std::size_t N>
void PutReals(const std::array<Real6, N>& values, std::uint8_t*& out) {
  for (const auto& v : values) {
    Real6ToBytes(v, out);
    out += 6;
  }
}

template <std::size_t N>
void GetReals(std::array<Real6, N>& values, const std::uint8_t*& in) {
  for (auto& v : values) {
    v = Real6FromBytes(in);
    in += 6;
  }
}

}  // namespace

std::string LocationRecord::Name() const {
  const std::size_t len = std::min<std::size_t>(NameBytes[0], kLocationNameMax);
  return std::string(reinterpret_cast<const char*>(NameBytes.data() + 1), len);
}

void LocationRecord::SetName(const std::string& name) {
  const std::size_t len = std::min(name.size(), kLocationNameMax);
  NameBytes[0] = static_cast<std::uint8_t>(len);
  std::memcpy(NameBytes.data() + 1, name.data(), len);
}

void LocationRecord::ToBytes(std::uint8_t* out) const {
  std::memcpy(out, Lead.data(), 2);
  out += 2;
  std::memcpy(out, NameBytes.data(), 33);
  out += 33;
  Real6ToBytes(Latitude, out);
  out += 6;
  PutReals(Reserved, out);
  Real6ToBytes(DegDayBase, out);
  out += 6;
  for (const auto* table : {&HBar, &TAmb, &HumRatio, &TMains, &Reflect}) PutReals(*table, out);
}

LocationRecord LocationRecord::FromBytes(const std::uint8_t* in) {
  LocationRecord r;
  std::memcpy(r.Lead.data(), in, 2);
  in += 2;
  std::memcpy(r.NameBytes.data(), in, 33);
  in += 33;
  r.Latitude = Real6FromBytes(in);
  in += 6;
  GetReals(r.Reserved, in);
  r.DegDayBase = Real6FromBytes(in);
  in += 6;
  for (auto* table : {&r.HBar, &r.TAmb, &r.HumRatio, &r.TMains, &r.Reflect}) GetReals(*table, in);
  return r;
}

}  // namespace solmon
