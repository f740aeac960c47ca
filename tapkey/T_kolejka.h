// A byte queue of fixed capacity: the characters and the elements waiting to be played.
#pragma once

class T_kolejka {
public:
    // An empty queue for at most nCapacity bytes.
    explicit T_kolejka(int nCapacity);
    ~T_kolejka();
    T_kolejka(const T_kolejka&) = delete;
    T_kolejka& operator=(const T_kolejka&) = delete;

    // Puts c at the end; a full queue drops it and returns false.
    bool Dodaj(char c);
    // Removes and returns the first byte; 0 when the queue is empty.
    char Pobierz();

    int Dlugosc() const { return m_nLength; }
    int Pojemnosc() const { return m_nCapacity; }
    bool Pusta() const { return m_nLength == 0; }

private:
    char* m_pData;    // capacity + 1 bytes
    int m_nLength;
    int m_nCapacity;
};
