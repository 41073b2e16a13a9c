// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
int main() { return 0; }
