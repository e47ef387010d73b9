#pragma once

#include <algorithm>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

namespace hexlume {

// Work done on several threads, its results handed on in the order the work was added: a
// run's output is the same for any number of threads. Only a window of pending results is
// held, so a run over millions of inputs keeps little memory; adding waits while the window is
// full. Results are handed on on the adding thread, so that thread alone writes the output.
template <typename Input, typename Result>
class OrderedWork {
public:
    OrderedWork(unsigned threads, std::function<Result(const Input&)> work, std::function<void(Result&&)> deliver)
        : m_work(std::move(work)), m_deliver(std::move(deliver)), m_window(std::max<std::size_t>(64, 16 * threads))
    {
        for (unsigned i = 0; i < threads; ++i)
            m_threads.emplace_back([this] { Serve(); });
    }
    OrderedWork(const OrderedWork&) = delete;
    OrderedWork& operator=(const OrderedWork&) = delete;
    ~OrderedWork() { Finish(); }

    // Input for a thread to work on.
    void Add(Input input)
    {
        std::unique_lock lock(m_mutex);
        DeliverWhile(lock, [this] { return m_added - m_delivered >= m_window.size(); });
        m_queue.emplace_back(m_added++, std::move(input));
        m_workReady.notify_one();
    }

    // Delivers every result left and stops the threads.
    void Finish()
    {
        std::unique_lock lock(m_mutex);
        DeliverWhile(lock, [this] { return m_delivered < m_added; });
        m_closing = true;
        lock.unlock();
        m_workReady.notify_all();
        for (std::thread& thread : m_threads)
            thread.join();
        m_threads.clear();
    }

private:
    // Delivers what is ready in order; while `mustWait` holds, waits for more.
    template <typename Condition>
    void DeliverWhile(std::unique_lock<std::mutex>& lock, Condition mustWait)
    {
        for (;;) {
            std::optional<Result>& slot = m_window[m_delivered % m_window.size()];
            if (m_delivered < m_added && slot) {
                Result result = std::move(*slot);
                slot.reset();
                ++m_delivered;
                lock.unlock();
                m_deliver(std::move(result));
                lock.lock();
            } else if (mustWait()) {
                m_resultReady.wait(lock);
            } else {
                return;
            }
        }
    }

    void Serve()
    {
        std::unique_lock lock(m_mutex);
        for (;;) {
            m_workReady.wait(lock, [this] { return !m_queue.empty() || m_closing; });
            if (m_queue.empty())
                return;
            auto [number, input] = std::move(m_queue.front());
            m_queue.pop_front();
            lock.unlock();
            Result result = m_work(input);
            lock.lock();
            m_window[number % m_window.size()] = std::move(result);
            if (number == m_delivered)
                m_resultReady.notify_one();
        }
    }

    std::function<Result(const Input&)> m_work;
    std::function<void(Result&&)> m_deliver;
    std::mutex m_mutex;
    std::condition_variable m_workReady;
    std::condition_variable m_resultReady;
    std::deque<std::pair<std::uint64_t, Input>> m_queue;
    std::vector<std::optional<Result>> m_window;
    std::uint64_t m_added = 0;
    std::uint64_t m_delivered = 0;
    bool m_closing = false;
    std::vector<std::thread> m_threads;
};

}  // namespace hexlume
